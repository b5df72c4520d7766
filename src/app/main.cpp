#include "app/application.h"

int main(int argc, char** argv) {
    return brivonce::RunBrivonce(argc, argv);
}
