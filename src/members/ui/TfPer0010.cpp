#include "members/ui/TfPer0010.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/ProgramFolder.h"
#include "datastore/DbError.h"
#include "datastore/MemberNumber.h"
#include "datastore/Query.h"
#include "members/CodeLists.h"
#include "shell/ui/ActionGuard.h"
#include "shell/ui/Messages.h"
#include "shell/ui/ScreenKit.h"
#include "shell/ui/ScreenOpener.h"
#include "shell/ui/TfMain.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QImage>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using Enrolment::Field;

namespace {
const QString kDateMask = QStringLiteral("9999-99-99; ");
const QStringList kRelations{QStringLiteral("조부"), QStringLiteral("조모"), QStringLiteral("부"), QStringLiteral("모"),
                             QStringLiteral("형제")};
const QStringList kFamilyHeaders{QStringLiteral("관  계"), QStringLiteral("성  명"), QStringLiteral("생 년 월 일"),
                                 QStringLiteral("양/음"), QStringLiteral("직  업"), QStringLiteral("비  고"),
                                 QStringLiteral("결혼기념일")};

void fill(QComboBox* box, const QList<CodeLists::Item>& items)
{
    box->clear();
    box->addItem(QString(), QString());
    for (const CodeLists::Item& item : items)
        box->addItem(item.text, item.code);
    box->setCurrentIndex(0);
}

QString cell(const QTableWidget* grid, int row, int column)
{
    if (auto* box = qobject_cast<QComboBox*>(grid->cellWidget(row, column)))
        return box->currentText();
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text().trimmed() : QString();
}
}

TfPer0010::TfPer0010(TfMain& mainWindow, QWidget* parent) : WorkScreen(parent), mainWindow_(mainWindow)
{
    setWindowTitle(QStringLiteral("입관원서 등록"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    buildHeader(layout);
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->addTab(buildDetailsPage(), QStringLiteral("신상명세서"));
    pageControl_->addTab(buildRequirePage(), QStringLiteral("건의사항"));
    layout->addWidget(pageControl_, 1);
    buildToolbar(layout);

    guardedAction(this, [this] {
        makeMemberNumber();
        loadLists();
        const QString dojang = Query(mainWindow_.session(), QStringLiteral("SELECT 도장명 FROM T_도장정보")).scalar().toString();
        findChild<QLabel*>(QStringLiteral("lblDojang"))->setText(dojang);
        const int total = Query(mainWindow_.session(), QStringLiteral("SELECT COUNT(*) FROM T_입관동기별현황")).scalar().toInt();
        lblTotal_->setText(QStringLiteral("총 입관원 : %1").arg(total));
    });
    setEntering(false);
}

void TfPer0010::buildHeader(QVBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    auto* dojang = new QLabel(this);
    dojang->setObjectName(QStringLiteral("lblDojang"));
    dojang->setStyleSheet(QStringLiteral("font-weight: bold; color: #122040;"));
    row->addWidget(dojang);
    row->addWidget(ScreenKit::titlePanel(QStringLiteral("입   관   원   서   등   록"), this), 1);
    auto* right = new QVBoxLayout;
    lblTotal_ = new QLabel(this);
    lblTotal_->setObjectName(QStringLiteral("lblTotal"));
    lblNumber_ = new QLabel(this);
    lblNumber_->setObjectName(QStringLiteral("pnlNumber"));
    lblNumber_->setStyleSheet(QStringLiteral("QLabel { border: 1px solid #5a6478; background: #fffbe6; padding: 2px 6px;"
                                             " font-weight: bold; }"));
    right->addWidget(lblTotal_);
    right->addWidget(lblNumber_);
    row->addLayout(right);
    layout->addLayout(row);
}

QLineEdit* TfPer0010::line(const QString& name, const QString& mask)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    if (!mask.isEmpty())
        edit->setInputMask(mask);
    lines_.insert(name, edit);
    fields_ << edit;
    return edit;
}

QComboBox* TfPer0010::combo(const QString& name, bool editable)
{
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(editable);
    combos_.insert(name, box);
    fields_ << box;
    return box;
}

QWidget* TfPer0010::buildDetailsPage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    // Three label-and-field pairs a row; a span widens a field over the
    // pairs to its right.
    auto place = [&](int row, int pair, const QString& label, QWidget* field, int span = 1) {
        grid->addWidget(ScreenKit::label(label, field, page), row, pair * 2);
        grid->addWidget(field, row, pair * 2 + 1, 1, span * 2 - 1);
    };
    QComboBox* calendar = combo(QStringLiteral("cboCalendar"));
    calendar->addItems({QString(), QStringLiteral("양"), QStringLiteral("음")});
    QComboBox* sex = combo(QStringLiteral("cboSex"));
    sex->addItems({QString(), QStringLiteral("남"), QStringLiteral("여")});
    QComboBox* classes = combo(QStringLiteral("cboClass"));
    classes->addItem(QString());
    for (int i = 1; i <= 12; ++i)
        classes->addItem(QString::number(i));
    QLineEdit* fee = line(QStringLiteral("edtFee"));
    fee->setValidator(new QIntValidator(0, 99999999, fee));
    auto* feeCell = new QWidget(page);
    auto* feeRow = new QHBoxLayout(feeCell);
    feeRow->setContentsMargins(0, 0, 0, 0);
    rdoPaid_ = new QRadioButton(QStringLiteral("납부"), feeCell);
    rdoPaid_->setObjectName(QStringLiteral("rdoPaid"));
    rdoUnpaid_ = new QRadioButton(QStringLiteral("미납"), feeCell);
    rdoUnpaid_->setObjectName(QStringLiteral("rdoUnpaid"));
    rdoUnpaid_->setChecked(true);
    feeRow->addWidget(fee, 1);
    feeRow->addWidget(rdoPaid_);
    feeRow->addWidget(rdoUnpaid_);
    fields_ << rdoPaid_ << rdoUnpaid_;

    place(0, 0, QStringLiteral("이   름"), line(QStringLiteral("edtName")));
    place(0, 1, QStringLiteral("영문이름"), line(QStringLiteral("edtEnglishName")));
    place(0, 2, QStringLiteral("한  자"), line(QStringLiteral("edtHanjaName")));
    place(1, 0, QStringLiteral("생 년 월 일"), line(QStringLiteral("edtBirthDate"), kDateMask));
    place(1, 1, QStringLiteral("양/음"), calendar);
    place(1, 2, QStringLiteral("성   별"), sex);
    place(2, 0, QStringLiteral("주민번호"), line(QStringLiteral("edtResidentNumber"), QStringLiteral("999999-9999999; ")));
    place(2, 1, QStringLiteral("부별"), combo(QStringLiteral("cboDivision")));
    place(2, 2, QStringLiteral("현급"), combo(QStringLiteral("cboGrade")));
    place(3, 0, QStringLiteral("입관일"), line(QStringLiteral("edtJoinDate"), kDateMask));
    place(3, 1, QStringLiteral("최초입관일"), line(QStringLiteral("edtFirstJoinDate"), kDateMask));
    place(3, 2, QStringLiteral("입 관 동 기"), combo(QStringLiteral("cboMotive")));
    place(4, 0, QStringLiteral("학   교"), line(QStringLiteral("edtSchool")));
    place(4, 1, QStringLiteral("학년"), combo(QStringLiteral("cboSchoolYear")));
    place(4, 2, QStringLiteral("반"), classes);
    place(5, 0, QStringLiteral("전화"), line(QStringLiteral("edtPhone"), QStringLiteral("9999-9999; ")));
    place(5, 1, QStringLiteral("HP"), line(QStringLiteral("edtMobile")));
    place(5, 2, QStringLiteral("E-mail"), line(QStringLiteral("edtEmail")));
    place(6, 0, QStringLiteral("우편번호"), combo(QStringLiteral("cboPostal"), true));
    place(6, 1, QStringLiteral("주   소"), line(QStringLiteral("edtAddress")), 2);
    place(7, 0, QStringLiteral("지   역"), combo(QStringLiteral("cboArea")));
    place(7, 1, QStringLiteral("학 원 수 강"), line(QStringLiteral("edtOtherAcademies")), 2);
    place(8, 0, QStringLiteral("수련비"), feeCell);
    fee->setAccessibleName(QStringLiteral("수련비"));
    place(8, 1, QStringLiteral("납부일자"), line(QStringLiteral("edtPayDay")));
    place(8, 2, QStringLiteral("납부은행"), line(QStringLiteral("edtBank")));
    place(9, 0, QStringLiteral("탑승코스"), combo(QStringLiteral("cboCourse")));
    place(9, 1, QStringLiteral("장  소"), combo(QStringLiteral("cboPlace")));
    place(9, 2, QStringLiteral("시 간"), line(QStringLiteral("edtTime")));
    place(10, 0, QStringLiteral("기         타"), line(QStringLiteral("edtRemarks")), 3);
    for (int c : {1, 3, 5})
        grid->setColumnStretch(c, 1);
    lines_[QStringLiteral("edtPayDay")]->setValidator(new QIntValidator(1, 31, lines_[QStringLiteral("edtPayDay")]));
    lines_[QStringLiteral("edtFirstJoinDate")]->setReadOnly(true);

    imgPhoto_ = new QLabel(page);
    imgPhoto_->setObjectName(QStringLiteral("imgPhoto"));
    imgPhoto_->setFixedSize(96, 120);
    imgPhoto_->setAlignment(Qt::AlignCenter);
    imgPhoto_->setStyleSheet(QStringLiteral("QLabel { border: 1px solid #5a6478; background: #f4f4f4; color: #888; }"));
    imgPhoto_->setText(QStringLiteral("사진"));
    imgPhoto_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(imgPhoto_, &QLabel::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        QAction* attach = menu.addAction(QStringLiteral("사진첨부"));
        attach->setEnabled(lines_[QStringLiteral("edtName")]->isEnabled());
        if (menu.exec(imgPhoto_->mapToGlobal(at)) == attach)
            photoAttach();
    });

    grdFamily_ = new QTableWidget(0, kFamilyHeaders.size(), page);
    grdFamily_->setObjectName(QStringLiteral("grdFamily"));
    grdFamily_->setAccessibleName(QStringLiteral("가족사항"));
    grdFamily_->setHorizontalHeaderLabels(kFamilyHeaders);
    grdFamily_->verticalHeader()->setDefaultSectionSize(22);
    grdFamily_->setMinimumHeight(90);
    grdFamily_->horizontalHeader()->setStretchLastSection(true);
    grdFamily_->installEventFilter(this);
    auto* familyButtons = new QVBoxLayout;
    for (const auto& [caption, name] : {std::pair{QStringLiteral("추가 "), QStringLiteral("btnFamilyAdd")},
                                        std::pair{QStringLiteral("취소 "), QStringLiteral("btnFamilyCancel")}}) {
        auto* button = ScreenKit::button(caption, name, page);
        button->setMinimumWidth(60);
        buttons_.insert(name, button);
        familyButtons->addWidget(button);
    }
    familyButtons->addStretch();
    connect(buttons_[QStringLiteral("btnFamilyAdd")], &QPushButton::clicked, this, &TfPer0010::btnFamilyAddClick);
    connect(buttons_[QStringLiteral("btnFamilyCancel")], &QPushButton::clicked, this, &TfPer0010::btnFamilyCancelClick);

    auto* top = new QHBoxLayout;
    top->addLayout(grid, 1);
    top->addWidget(imgPhoto_, 0, Qt::AlignTop);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(grdFamily_, 1);
    bottom->addLayout(familyButtons);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(4, 4, 4, 4);
    pageLayout->addLayout(top);
    pageLayout->addLayout(bottom, 1);

    connect(combos_[QStringLiteral("cboDivision")], &QComboBox::activated, this, &TfPer0010::divisionChosen);
    connect(combos_[QStringLiteral("cboCourse")], &QComboBox::activated, this, &TfPer0010::courseChosen);
    connect(combos_[QStringLiteral("cboPlace")], &QComboBox::activated, this, &TfPer0010::placeChosen);
    connect(lines_[QStringLiteral("edtName")], &QLineEdit::textEdited, lines_[QStringLiteral("edtHanjaName")], &QLineEdit::setText);
    connect(lines_[QStringLiteral("edtJoinDate")], &QLineEdit::textChanged, lines_[QStringLiteral("edtFirstJoinDate")], &QLineEdit::setText);
    for (const char* name : {"edtEnglishName", "edtBirthDate", "edtResidentNumber"})
        lines_[QString::fromLatin1(name)]->installEventFilter(this);
    combos_[QStringLiteral("cboPostal")]->installEventFilter(this);
    combos_[QStringLiteral("cboPostal")]->lineEdit()->installEventFilter(this);
    return page;
}

QWidget* TfPer0010::buildRequirePage()
{
    auto* page = new QWidget(this);
    grdRequire_ = new QTableWidget(0, 2, page);
    grdRequire_->setObjectName(QStringLiteral("grdRequire"));
    grdRequire_->setAccessibleName(QStringLiteral("건의사항"));
    grdRequire_->setHorizontalHeaderLabels({QStringLiteral("건 의 날 짜"), QStringLiteral("건 의 내 용")});
    grdRequire_->setColumnWidth(0, 110);
    grdRequire_->horizontalHeader()->setStretchLastSection(true);
    grdRequire_->installEventFilter(this);
    auto* buttons = new QVBoxLayout;
    for (const auto& [caption, name] : {std::pair{QStringLiteral("추가 "), QStringLiteral("btnRequireAdd")},
                                        std::pair{QStringLiteral("취소 "), QStringLiteral("btnRequireCancel")}}) {
        auto* button = ScreenKit::button(caption, name, page);
        buttons_.insert(name, button);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    connect(buttons_[QStringLiteral("btnRequireAdd")], &QPushButton::clicked, this, &TfPer0010::btnRequireAddClick);
    connect(buttons_[QStringLiteral("btnRequireCancel")], &QPushButton::clicked, this, &TfPer0010::btnRequireCancelClick);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(grdRequire_, 1);
    layout->addLayout(buttons);
    return page;
}

void TfPer0010::buildToolbar(QVBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    const std::pair<const char*, const char*> entries[] = {
        {"입     력", "btnNew"}, {"수     정", "btnEdit"},   {"삭     제", "btnDelete"}, {"조     회", "btnQuery"},
        {"확     인", "btnOk"},  {"취     소", "btnCancel"}, {"종     료", "btnClose"}};
    for (const auto& [caption, name] : entries) {
        QPushButton* button = ScreenKit::button(QString::fromUtf8(caption), QString::fromLatin1(name), this);
        buttons_.insert(QString::fromLatin1(name), button);
        row->addWidget(button);
    }
    for (const char* unused : {"btnEdit", "btnDelete", "btnQuery"})
        buttons_[QString::fromLatin1(unused)]->setEnabled(false);
    layout->addLayout(row);
    connect(buttons_[QStringLiteral("btnNew")], &QPushButton::clicked, this, &TfPer0010::btnNewClick);
    connect(buttons_[QStringLiteral("btnOk")], &QPushButton::clicked, this, &TfPer0010::btnOkClick);
    connect(buttons_[QStringLiteral("btnCancel")], &QPushButton::clicked, this, &TfPer0010::btnCancelClick);
    connect(buttons_[QStringLiteral("btnClose")], &QPushButton::clicked, this, [this] {
        if (auto* frame = parentWidget())
            frame->close();
    });
}

void TfPer0010::loadLists()
{
    Session& session = mainWindow_.session();
    fill(combos_[QStringLiteral("cboDivision")], CodeLists::divisions(session));
    fill(combos_[QStringLiteral("cboGrade")], CodeLists::grades(session));
    fill(combos_[QStringLiteral("cboArea")], CodeLists::areas(session));
    fill(combos_[QStringLiteral("cboMotive")], CodeLists::motives(session));
    fill(combos_[QStringLiteral("cboCourse")], CodeLists::courses(session));
    fill(combos_[QStringLiteral("cboPlace")], {});
    QComboBox* years = combos_[QStringLiteral("cboSchoolYear")];
    years->clear();
    years->addItem(QString());
    for (const CodeLists::Item& item : CodeLists::schoolYears(session))
        years->addItem(item.text, item.text);
}

// The postal list can hold tens of thousands of rows: it is read the first
// time the field is used, not when the screen opens.
void TfPer0010::loadPostalCodes()
{
    if (postalLoaded_)
        return;
    postalLoaded_ = true;
    guardedAction(this, [this] {
        QComboBox* box = combos_[QStringLiteral("cboPostal")];
        const QString typed = box->currentText();
        auto* model = new QStringListModel(CodeLists::postalEntries(mainWindow_.session()), box);
        auto* completer = new QCompleter(model, box);
        completer->setFilterMode(Qt::MatchContains);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        box->setCompleter(completer);
        box->setModel(model);
        box->setCurrentIndex(-1);
        box->setEditText(typed);
    });
}

void TfPer0010::makeMemberNumber()
{
    lblNumber_->setText(QStringLiteral("등록번호 : ") + MemberNumber::next(mainWindow_.session(), Clock::today()));
}

QString TfPer0010::memberNumberOnShow() const
{
    return lblNumber_->text().section(QStringLiteral(": "), 1);
}

void TfPer0010::setEntering(bool entering)
{
    for (QWidget* field : fields_)
        field->setEnabled(entering);
    grdFamily_->setEnabled(entering);
    grdRequire_->setEnabled(entering);
    buttons_[QStringLiteral("btnNew")]->setEnabled(!entering);
    buttons_[QStringLiteral("btnClose")]->setEnabled(!entering);
    buttons_[QStringLiteral("btnOk")]->setEnabled(entering);
    buttons_[QStringLiteral("btnCancel")]->setEnabled(entering);
    buttons_[QStringLiteral("btnFamilyAdd")]->setEnabled(entering);
    buttons_[QStringLiteral("btnFamilyCancel")]->setEnabled(entering && grdFamily_->rowCount() > 0);
    buttons_[QStringLiteral("btnRequireAdd")]->setEnabled(entering);
    buttons_[QStringLiteral("btnRequireCancel")]->setEnabled(entering);
}

void TfPer0010::clearFields()
{
    for (QLineEdit* edit : lines_)
        edit->clear();
    for (QComboBox* box : combos_) {
        box->setCurrentIndex(box->isEditable() ? -1 : 0);
        if (box->isEditable())
            box->setEditText(QString());
    }
    fill(combos_[QStringLiteral("cboPlace")], {});
    rdoUnpaid_->setChecked(true);
    grdFamily_->setRowCount(0);
    grdRequire_->setRowCount(0);
    setPhotoFile(QString());
}

void TfPer0010::btnNewClick()
{
    guardedAction(this, [this] {
        makeMemberNumber();
        loadLists();
        clearFields();
        setEntering(true);
        const QDate today = Clock::today();
        lines_[QStringLiteral("edtJoinDate")]->setText(DateText::fromDate(today));
        lines_[QStringLiteral("edtPayDay")]->setText(QString::number(today.day()));
        pageControl_->setCurrentIndex(0);
        lines_[QStringLiteral("edtName")]->setFocus();
    });
}

void TfPer0010::btnCancelClick()
{
    clearFields();
    setEntering(false);
}

void TfPer0010::divisionChosen()
{
    const QString code = combos_[QStringLiteral("cboDivision")]->currentData().toString();
    if (code.isEmpty())
        return;
    guardedAction(this, [&] {
        lines_[QStringLiteral("edtFee")]->setText(QString::number(CodeLists::divisionFee(mainWindow_.session(), code)));
    });
}

void TfPer0010::courseChosen()
{
    guardedAction(this, [this] {
        const QString course = combos_[QStringLiteral("cboCourse")]->currentData().toString();
        fill(combos_[QStringLiteral("cboPlace")], course.isEmpty() ? QList<CodeLists::Item>() : CodeLists::places(mainWindow_.session(), course));
        lines_[QStringLiteral("edtTime")]->clear();
    });
}

void TfPer0010::placeChosen()
{
    guardedAction(this, [this] {
        const QString course = combos_[QStringLiteral("cboCourse")]->currentData().toString();
        const QString place = combos_[QStringLiteral("cboPlace")]->currentData().toString();
        lines_[QStringLiteral("edtTime")]->setText(course.isEmpty() || place.isEmpty()
                                                       ? QString()
                                                       : CodeLists::firstTime(mainWindow_.session(), course, place));
    });
}

void TfPer0010::birthDateLeft()
{
    QLineEdit* resident = lines_[QStringLiteral("edtResidentNumber")];
    const QString birth = lines_[QStringLiteral("edtBirthDate")]->text();
    if (QString(resident->text()).remove(QLatin1Char('-')).trimmed().isEmpty() && DateText::isDateText(birth))
        resident->setText(Enrolment::residentFront(birth));
}

bool TfPer0010::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (watched == lines_.value(QStringLiteral("edtEnglishName"))) {
        if (type == QEvent::FocusIn)
            mainWindow_.SetImeMode(QStringLiteral("ENGLISH"));
        else if (type == QEvent::FocusOut)
            mainWindow_.SetImeMode(QStringLiteral("KOREA"));
    } else if (watched == lines_.value(QStringLiteral("edtBirthDate")) && type == QEvent::FocusOut) {
        birthDateLeft();
    } else if (watched == lines_.value(QStringLiteral("edtResidentNumber")) && type == QEvent::FocusIn) {
        auto* resident = lines_[QStringLiteral("edtResidentNumber")];
        const bool filled = !QString(resident->text()).remove(QLatin1Char('-')).trimmed().isEmpty();
        QMetaObject::invokeMethod(resident, [resident, filled] {
            if (filled)
                resident->setSelection(7, 7);
            else
                resident->setCursorPosition(0);
        }, Qt::QueuedConnection);
    } else if ((watched == combos_.value(QStringLiteral("cboPostal"))
                || watched == combos_.value(QStringLiteral("cboPostal"))->lineEdit())
               && (type == QEvent::FocusIn || type == QEvent::MouseButtonPress)) {
        loadPostalCodes();
    } else if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        auto* grid = qobject_cast<QTableWidget*>(watched);
        if (grid && grid->isEnabled() && grid->currentRow() == grid->rowCount() - 1) {
            if (grid == grdFamily_)
                btnFamilyAddClick();
            else
                btnRequireAddClick();
            return true;
        }
    }
    return WorkScreen::eventFilter(watched, event);
}

void TfPer0010::btnFamilyAddClick()
{
    const int row = grdFamily_->rowCount();
    grdFamily_->insertRow(row);
    auto* relation = new QComboBox(grdFamily_);
    relation->addItem(QString());
    relation->addItems(kRelations);
    grdFamily_->setCellWidget(row, 0, relation);
    auto* calendar = new QComboBox(grdFamily_);
    calendar->addItems({QString(), QStringLiteral("양"), QStringLiteral("음")});
    grdFamily_->setCellWidget(row, 3, calendar);
    buttons_[QStringLiteral("btnFamilyCancel")]->setEnabled(true);
    grdFamily_->setCurrentCell(row, 0);
    relation->setFocus();
}

void TfPer0010::btnFamilyCancelClick()
{
    grdFamily_->setRowCount(0);
    buttons_[QStringLiteral("btnFamilyCancel")]->setEnabled(false);
}

void TfPer0010::btnRequireAddClick()
{
    const int row = grdRequire_->rowCount();
    grdRequire_->insertRow(row);
    grdRequire_->setItem(row, 0, new QTableWidgetItem(Clock::todayText()));
    grdRequire_->setItem(row, 1, new QTableWidgetItem);
    grdRequire_->setCurrentCell(row, 0);
    grdRequire_->setFocus();
}

void TfPer0010::btnRequireCancelClick()
{
    grdRequire_->setRowCount(0);
}

void TfPer0010::photoAttach()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("그림 추가"), ProgramFolder::file(QStringLiteral("images")),
                                                      QStringLiteral("그림 파일 (*.bmp *.BMP *.jpg *.jpeg *.png *.gif)"));
    if (!file.isEmpty())
        setPhotoFile(file);
}

void TfPer0010::setPhotoFile(const QString& path)
{
    photoFile_ = path;
    const QImage image = path.isEmpty() ? QImage() : QImage(path);
    if (image.isNull()) {
        photoFile_.clear();
        imgPhoto_->setPixmap(QPixmap());
        imgPhoto_->setText(QStringLiteral("사진"));
        return;
    }
    imgPhoto_->setPixmap(QPixmap::fromImage(image).scaled(imgPhoto_->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

Enrolment::Form TfPer0010::form() const
{
    Enrolment::Form f;
    auto text = [this](const char* name) { return lines_.value(QString::fromLatin1(name))->text(); };
    auto code = [this](const char* name) { return combos_.value(QString::fromLatin1(name))->currentData().toString(); };
    auto shown = [this](const char* name) { return combos_.value(QString::fromLatin1(name))->currentText(); };
    f.memberNumber = memberNumberOnShow();
    f.name = text("edtName");
    f.englishName = text("edtEnglishName");
    f.hanjaName = text("edtHanjaName");
    f.birthDate = text("edtBirthDate");
    f.calendar = shown("cboCalendar");
    f.sex = shown("cboSex");
    f.residentNumber = text("edtResidentNumber");
    f.divisionCode = code("cboDivision");
    f.joinDate = text("edtJoinDate");
    f.school = text("edtSchool");
    f.schoolYear = shown("cboSchoolYear");
    f.classNumber = shown("cboClass");
    f.gradeCode = code("cboGrade");
    f.areaCode = code("cboArea");
    f.phone = text("edtPhone");
    f.mobile = text("edtMobile");
    f.email = text("edtEmail");
    f.postalText = shown("cboPostal");
    f.address = text("edtAddress");
    f.otherAcademies = text("edtOtherAcademies");
    f.remarks = text("edtRemarks");
    f.payDay = text("edtPayDay");
    f.fee = text("edtFee");
    f.paidNow = rdoPaid_->isChecked();
    f.bank = text("edtBank");
    f.motiveCode = code("cboMotive");
    f.courseCode = code("cboCourse");
    f.placeCode = code("cboPlace");
    f.time = text("edtTime");
    for (int row = 0; row < grdFamily_->rowCount(); ++row) {
        Enrolment::FamilyMember member{cell(grdFamily_, row, 0), cell(grdFamily_, row, 1), cell(grdFamily_, row, 2),
                                       cell(grdFamily_, row, 3), cell(grdFamily_, row, 4), cell(grdFamily_, row, 5),
                                       cell(grdFamily_, row, 6)};
        if (!(member.relation + member.name + member.birthday + member.job + member.remark + member.anniversary).isEmpty())
            f.family << member;
    }
    for (int row = 0; row < grdRequire_->rowCount(); ++row)
        if (!cell(grdRequire_, row, 1).isEmpty())
            f.suggestions << Enrolment::Suggestion{cell(grdRequire_, row, 0), cell(grdRequire_, row, 1)};
    return f;
}

QWidget* TfPer0010::fieldWidget(Field field) const
{
    static const QHash<Field, QString> names{
        {Field::Name, QStringLiteral("edtName")},         {Field::EnglishName, QStringLiteral("edtEnglishName")},
        {Field::HanjaName, QStringLiteral("edtHanjaName")}, {Field::BirthDate, QStringLiteral("edtBirthDate")},
        {Field::Calendar, QStringLiteral("cboCalendar")}, {Field::Sex, QStringLiteral("cboSex")},
        {Field::ResidentNumber, QStringLiteral("edtResidentNumber")}, {Field::Division, QStringLiteral("cboDivision")},
        {Field::JoinDate, QStringLiteral("edtJoinDate")}, {Field::School, QStringLiteral("edtSchool")},
        {Field::Grade, QStringLiteral("cboGrade")},       {Field::Area, QStringLiteral("cboArea")},
        {Field::Phone, QStringLiteral("edtPhone")},       {Field::Mobile, QStringLiteral("edtMobile")},
        {Field::Email, QStringLiteral("edtEmail")},       {Field::Address, QStringLiteral("edtAddress")},
        {Field::Postal, QStringLiteral("cboPostal")},
        {Field::OtherAcademies, QStringLiteral("edtOtherAcademies")}, {Field::Remarks, QStringLiteral("edtRemarks")},
        {Field::PayDay, QStringLiteral("edtPayDay")},     {Field::Fee, QStringLiteral("edtFee")},
        {Field::Bank, QStringLiteral("edtBank")},         {Field::Motive, QStringLiteral("cboMotive")},
        {Field::Family, QStringLiteral("grdFamily")},     {Field::Suggestions, QStringLiteral("grdRequire")}};
    return findChild<QWidget*>(names.value(field));
}

void TfPer0010::btnOkClick()
{
    const Enrolment::Form entered = form();
    const Enrolment::Refusal refusal = Enrolment::validate(entered, mainWindow_.LastClosedMonth());
    if (refusal.refused()) {
        Messages::error(this, refusal.message, refusal.caption);
        if (refusal.openCancelScreen) {
            mainWindow_.opener().open(CommandMap::screen(QStringLiteral("TfEndCancel")));
            return;
        }
        if (QWidget* field = fieldWidget(refusal.field)) {
            if (field == grdRequire_)
                pageControl_->setCurrentIndex(1);
            else
                pageControl_->setCurrentIndex(0);
            field->setFocus();
        }
        return;
    }
    if (!guardedAction(this, [&] { Enrolment::saveMember(mainWindow_.session(), entered); }))
        return;
    if (!photoFile_.isEmpty()) {
        const QString target = ProgramFolder::file(QStringLiteral("images/") + entered.memberNumber + QStringLiteral(".bmp"));
        if (!QImage(photoFile_).save(target, "BMP"))
            Messages::error(this, target + QStringLiteral(" 사진을 저장할 수 없습니다."), QStringLiteral("확인요망"));
    }
    if (Enrolment::wantsFirstPayment(entered)) {
        try {
            Enrolment::saveFirstPayment(mainWindow_.session(), entered);
        } catch (const DbError&) {
            Messages::error(this, QStringLiteral("저장 에러 입니다."), QStringLiteral("확인요망"));
        }
    }
    clearFields();
    setEntering(false);
    pageControl_->setCurrentIndex(0);
    guardedAction(this, [this] {
        const int total = Query(mainWindow_.session(), QStringLiteral("SELECT COUNT(*) FROM T_입관동기별현황")).scalar().toInt();
        lblTotal_->setText(QStringLiteral("총 입관원 : %1").arg(total));
    });
}
