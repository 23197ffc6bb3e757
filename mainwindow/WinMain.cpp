// Program entry. Until the main window is built, start-up finds and checks
// the lexicon files and reports what it found.
#include <cstdio>

int main(int argc, char** argv) {
    std::puts("QORA: the main window is not built yet.");
    return 0;
}
