#pragma once
#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so that captions and
// icons stay uniform, "\r" in a text shows as a line break, and tests can
// answer the boxes instead of a person.
namespace Messages {
struct Shown {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
};
using Presenter = std::function<QMessageBox::StandardButton(const Shown&, QMessageBox::StandardButtons)>;

QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                 const QString& text, QMessageBox::StandardButtons buttons = QMessageBox::Ok);
void information(QWidget* parent, const QString& text, const QString& caption = QStringLiteral("확인"));
void error(QWidget* parent, const QString& text, const QString& caption = QStringLiteral("확인요망"));
bool confirmDelete(QWidget* parent, const QString& text);   // OK/Cancel captioned "삭제확인"

// Tests replace the boxes; an empty presenter restores them.
void setPresenter(Presenter presenter);
}
