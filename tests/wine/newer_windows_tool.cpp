// A program that imports a function Windows before Vista lacks, for the ABI check to refuse.
#include <windows.h>

int main() {
  return int(GetErrorMode());
}
