#include "shell/application.h"

int main(int argc, char* argv[])
{
    return vexa::runApplication(argc, argv);
}
