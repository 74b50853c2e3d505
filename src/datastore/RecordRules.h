#pragma once
#include <QDate>
#include <QString>
#include <QVariant>

class Session;

// The rules that the record screens share, each kept once: running numbers,
// the dojang's next exam number, the zero exam date of dojang exams, the
// latest certificate number, the next badge and the notice of the month.
namespace RecordRules {

// Tables whose running number is the member's greatest + 1 (1 for the first).
enum class MemberSequence { Points, LifeNotes, Requests, ExamNotices, Events };
int nextMemberSequence(Session& session, MemberSequence table, const QString& memberNumber);
// Awards count the member's award rows + 1.
int nextAwardSequence(Session& session, const QString& memberNumber);
// The card numbers a new point after the last one of the month it shows,
// taken in date order ("yyyymm").
int nextPointSequenceInMonth(Session& session, const QString& memberNumber, const QString& month);

// Tables whose new code or number is the greatest of the whole table + 1.
enum class TableCounter { Consultations, LifeNotePhrases, ExamNoticePhrases, ExamRemarks, ResultNotices };
int nextTableNumber(Session& session, TableCounter table);

// The dojang's own exams are counted as integers over the "체육관" rows;
// Kukkiwon rows never raise the count.
int nextExamNumber(Session& session);

// Dojang exam rows store the zero date as their exam date and show it empty;
// writing a row back keeps the zero date when the field is still empty.
inline const QString kZeroDate = QStringLiteral("1899-12-30");
QVariant examDateToStore(const QString& shown, const QVariant& loaded);

// The certificate number of the member's latest Kukkiwon exam that has one.
QString latestCertificateNumber(Session& session, const QString& memberNumber);

// The member's next badge code, or "" once he holds the last badge.
QString nextBadge(Session& session, const QString& memberNumber);

// Of the member's exam notices dated in the month of `day`, the text of the
// one with the greatest running number ("" when there is none).
QString noticeOfMonth(Session& session, const QString& memberNumber, const QDate& day);

}
