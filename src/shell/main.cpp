#include <cstdio>

int main() {
    std::puts("dvk 0.2.6: the match engine is built and tested; the window is not built yet.");
    return 0;
}
