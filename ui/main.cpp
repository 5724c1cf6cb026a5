#include "Orv.h"

int main(int argc, char** argv) {
    return velmar::AfxWinMain(argc, argv);
}
