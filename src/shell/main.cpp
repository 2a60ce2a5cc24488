#include <cstdio>

int main() {
  std::puts("Movarel v3.0-beta3");
  return 0;
}
