#pragma once
#include "members/Enrolment.h"
#include "shell/ui/WorkScreen.h"

#include <QHash>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class TfMain;

// The enrolment form: a new trainee with family, first suggestions, photo,
// bus details and an optional first payment. It only creates members.
class TfPer0010 : public WorkScreen {
    Q_OBJECT
public:
    explicit TfPer0010(TfMain& mainWindow, QWidget* parent = nullptr);

    QString memberNumberOnShow() const;
    void setPhotoFile(const QString& path);   // what "사진첨부" does after its dialog

public slots:
    void btnNewClick();
    void btnOkClick();
    void btnCancelClick();
    void btnFamilyAddClick();
    void btnFamilyCancelClick();
    void btnRequireAddClick();
    void btnRequireCancelClick();
    void photoAttach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHeader(class QVBoxLayout* layout);
    QWidget* buildDetailsPage();
    QWidget* buildRequirePage();
    void buildToolbar(class QVBoxLayout* layout);
    QLineEdit* line(const QString& name, const QString& mask = QString());
    QComboBox* combo(const QString& name, bool editable = false);
    void loadLists();
    void loadPostalCodes();
    void makeMemberNumber();
    void setEntering(bool entering);
    void clearFields();
    Enrolment::Form form() const;
    QWidget* fieldWidget(Enrolment::Field field) const;
    void divisionChosen();
    void courseChosen();
    void placeChosen();
    void birthDateLeft();

    TfMain& mainWindow_;
    QHash<QString, QLineEdit*> lines_;
    QHash<QString, QComboBox*> combos_;
    QList<QWidget*> fields_;
    QLabel* lblNumber_;
    QLabel* lblTotal_;
    QLabel* imgPhoto_;
    QTabWidget* pageControl_;
    QTableWidget* grdFamily_;
    QTableWidget* grdRequire_;
    QRadioButton* rdoPaid_;
    QRadioButton* rdoUnpaid_;
    QHash<QString, QPushButton*> buttons_;
    QString photoFile_;
    bool postalLoaded_ = false;
};
