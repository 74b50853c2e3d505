#include "fees/ui/TfEndCancel.h"

#include "datastore/DbError.h"
#include "fees/MonthClosing.h"
#include "shell/ui/Messages.h"
#include "shell/ui/TfMain.h"

TfEndCancel::TfEndCancel(TfMain& mainWindow, QWidget* parent)
    : MonthPickDialog(mainWindow, QStringLiteral("월 마감취소"), QStringLiteral("월  마  감  취 소"),
                      QStringLiteral("마감취소 월"), parent)
{
}

void TfEndCancel::confirm(const QString& month)
{
    MonthClosing closing(mainWindow_.session());
    if (!ask(MonthClosing::dashed(month) + QStringLiteral(" 마감취소 하시겠습니까?")))
        return;
    const QString refusal = closing.cancelRefusal(month);
    if (!refusal.isEmpty()) {
        refuse(refusal);
        return;
    }
    try {
        closing.cancel(month);
    } catch (const DbError&) {
        refuse(QStringLiteral("마감취소 작업 오류입니다."));
        return;
    }
    Messages::show(this, QMessageBox::Information, windowTitle(), QStringLiteral("마감취소 작업이 완료되었습니다."));
    mainWindow_.refreshLastClosedMonth(true);
}
