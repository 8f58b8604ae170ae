#include "app/lastresort.h"
#include "app/program.h"

int main(int argc, char* argv[])
{
    const char* programName = argc > 0 ? argv[0] : nullptr;
    app::installLastResortHandler(programName);
    return app::runGame(programName);
}
