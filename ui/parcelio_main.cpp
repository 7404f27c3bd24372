#include "ui/main_window.h"

int main() {
    return ProgramEntry();
}
