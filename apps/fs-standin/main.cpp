#include <cstdio>

int main() {
  std::puts("fs-standin");
  return 0;
}
