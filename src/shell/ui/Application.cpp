#include "shell/ui/Application.h"

#include "common/ProgramFolder.h"
#include "datastore/DbError.h"
#include "datastore/Session.h"
#include "shell/ui/Messages.h"
#include "shell/ui/TfMain.h"
#include "shell/ui/TfrmSplash.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {
// Qt's own buttons and dialogs (OK, Cancel, the file dialog) in Korean.
void loadKoreanTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Korean), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

void setProgramWideFormats(QApplication& app)
{
    // Dates are always "YYYY-MM-DD" and times "HH:mm:ss" (see DateText);
    // the Korean locale gives the rest of the texts their Korean forms.
    QLocale::setDefault(QLocale(QLocale::Korean, QLocale::SouthKorea));
    QFont font(QStringLiteral("NanumGothic"));
    font.setPointSize(9);
    app.setFont(font);
}
}

int runQuenmar2000(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setProgramWideFormats(app);
    loadKoreanTranslations(app);

    auto splash = std::make_unique<TfrmSplash>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();
    QCoreApplication::setApplicationName(QStringLiteral("Quenmar2000KVQE"));

    ProgramFolder::ensureFolders();
    Session session(ProgramFolder::dataFile());
    std::unique_ptr<TfMain> mainWindow;
    try {
        mainWindow = std::make_unique<TfMain>(session);
    } catch (const DbError& error) {
        splash.reset();
        Messages::error(nullptr, error.message());
        return 1;
    }
    mainWindow->show();
    splash.reset();
    return app.exec();
}
