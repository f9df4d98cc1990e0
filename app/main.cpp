#include "app/program.h"

int main(int argc, char *argv[])
{
    return runMarquill(argc, argv);
}
