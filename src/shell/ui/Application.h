#pragma once

// The program's main routine: splash, main window, message loop.
int runQuenmar2000(int argc, char* argv[]);
