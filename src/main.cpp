#include "app/OrvelApp.h"

int main(int argc, char** argv)
{
    return orvel::runOrvel(argc, argv);
}
