#include "shell/ui/Application.h"

int main(int argc, char* argv[])
{
    return runQuenmar2000(argc, argv);
}
