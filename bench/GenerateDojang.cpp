// quenmar-generate FOLDER [MEMBERS]: writes a program folder whose data file
// holds a large generated dojang, for trying the screens on realistic volume.
#include "LargeDojang.h"

#include "common/ProgramFolder.h"
#include "datastore/DbError.h"
#include "datastore/Session.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quenmar-generate FOLDER [MEMBERS]\n");
        return 2;
    }
    ProgramFolder::setPath(QString::fromLocal8Bit(argv[1]));
    ProgramFolder::ensureFolders();
    try {
        Session session(ProgramFolder::dataFile());
        session.open();
        LargeDojang dojang;
        if (argc > 2)
            dojang.members = std::atoi(argv[2]);
        dojang.fill(session);
    } catch (const DbError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
