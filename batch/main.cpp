#include <cstdio>

int main() {
    std::puts("telmora-batch");
    return 0;
}
