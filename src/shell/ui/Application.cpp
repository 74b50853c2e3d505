#include "shell/ui/Application.h"

#include "common/ProgramFolder.h"
#include "datastore/DbError.h"
#include "datastore/Session.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

int runQuenmar2000(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ProgramFolder::ensureFolders();
    Session session(ProgramFolder::dataFile());
    try {
        session.open();
    } catch (const DbError& error) {
        QMessageBox::critical(nullptr, QStringLiteral("확인요망"), error.message());
        return 1;
    }
    Session::setMain(&session);
    QLabel window(QStringLiteral("Quenmar2000"));
    window.show();
    return app.exec();
}
