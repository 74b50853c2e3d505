#pragma once
#include <QString>

class Session;

// The scratch table T_Temp, made by a few printing screens for the rows a
// template reads, and dropped afterwards. Layouts are written in the type
// words the older screens used (String(n), integer, Date).
namespace TempTable {
inline const QString kTickedMembers = QStringLiteral("(회원번호 String(9))");
inline const QString kGradeCertificates = QStringLiteral("( 회원명 String(10), 급품명 String(10), 생년월일 String(10))");
inline const QString kCompletionCertificates =
    QStringLiteral("(순번 integer, 회원명 String(10), 급품명 String(10), 생년월일 Date, 회원번호 String(9) )");

QString sqliteLayout(const QString& layout);   // String(n) -> VARCHAR(n), Date -> CHAR(10)
// "Create Table T_Temp" + layout; fails when the table is there, unless
// `replaceExisting`, where a table left by an interrupted print is dropped
// first so that neither its rows nor its layout reach the new printout.
void create(Session& session, const QString& layout, bool replaceExisting = false);
void drop(Session& session);                    // silent when the table is absent
}
