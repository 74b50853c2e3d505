#include "fees/ui/TfEndYesNo.h"

#include "common/Clock.h"
#include "datastore/DbError.h"
#include "fees/MonthClosing.h"
#include "shell/ui/Messages.h"
#include "shell/ui/TfMain.h"

TfEndYesNo::TfEndYesNo(TfMain& mainWindow, QWidget* parent)
    : MonthPickDialog(mainWindow, QStringLiteral("월 마감작업"), QStringLiteral("월  마  감  작  업"),
                      QStringLiteral("마감 월"), parent)
{
}

void TfEndYesNo::confirm(const QString& month)
{
    MonthClosing closing(mainWindow_.session());
    if (!ask(MonthClosing::dashed(month) + QStringLiteral(" 마감작업 하시겠습니까?")))
        return;
    const QString refusal = closing.closeRefusal(month, Clock::today());
    if (!refusal.isEmpty()) {
        refuse(refusal);
        return;
    }
    try {
        closing.close(month);
    } catch (const DbError&) {
        Messages::error(this, QStringLiteral("마감작업 오류입니다."), QStringLiteral("확인"));
        return;
    }
    Messages::information(this, QStringLiteral("마감작업이 완료되었습니다."), QStringLiteral("확인"));
    mainWindow_.refreshLastClosedMonth();
}
