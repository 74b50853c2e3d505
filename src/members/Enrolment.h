#pragma once
#include <QDate>
#include <QList>
#include <QString>

class Session;

// A new trainee as typed on the enrolment form, checked and saved. The
// member row, family, suggestions, joining-motive log and headcount tally are
// saved together or not at all; the first payment (with its cash line)
// follows in its own save, so a failed payment leaves the trainee enrolled.
namespace Enrolment {

struct FamilyMember {
    QString relation;    // 조부, 조모, 부, 모, 형제
    QString name;
    QString birthday;    // "YYYY-MM-DD" or empty
    QString calendar;    // 양, 음
    QString job;
    QString remark;
    QString anniversary;
};

struct Suggestion {
    QString date;
    QString text;
};

struct Form {
    QString memberNumber;
    QString name;
    QString englishName;
    QString hanjaName;
    QString birthDate;        // as typed: "YYYY-MM-DD", blanks where nothing was typed
    QString calendar;
    QString sex;
    QString residentNumber;   // "YYMMDD-NNNNNNN"
    QString divisionCode;
    QString joinDate;
    QString school;
    QString schoolYear;
    QString classNumber;
    QString gradeCode;
    QString areaCode;
    QString phone;
    QString mobile;
    QString email;
    QString postalText;       // the postal field: code + ")  " + neighbourhood, or a typed code
    QString address;
    QString otherAcademies;
    QString remarks;
    QString payDay;
    QString fee;
    bool paidNow = false;
    QString bank;
    QString motiveCode;
    QString courseCode;
    QString placeCode;
    QString time;
    QList<FamilyMember> family;
    QList<Suggestion> suggestions;
};

enum class Field {
    None, Name, EnglishName, HanjaName, BirthDate, Calendar, Sex, ResidentNumber, Division, JoinDate, School,
    Grade, Area, Phone, Mobile, Email, Postal, Address, OtherAcademies, Remarks, PayDay, Fee, Bank, Motive, Family, Suggestions
};

struct Refusal {
    QString message;
    QString caption;
    Field field = Field::None;
    bool openCancelScreen = false;   // the join month is already closed
    bool refused() const { return !message.isEmpty(); }
};

// The checks of "확     인", in the order the person is told.
Refusal validate(const Form& form, const QString& lastClosedMonth);

// The number the form shows; the postal code is the text before ")".
QString postalCode(const QString& postalText);
// YYMMDD of a birth date, for an empty resident number.
QString residentFront(const QString& birthDate);

// Saves the enrolment in one transaction (throws DbError; nothing written).
void saveMember(Session& session, const Form& form);
// The first payment with its cash line; throws DbError, nothing of it written.
void saveFirstPayment(Session& session, const Form& form);
bool wantsFirstPayment(const Form& form);

}
