// kelvaron-icon OUTPUT.ico: draws the window icon in the four sizes Windows asks for.
#include <cstdio>

#include "IconFile.h"
#include "ShipIcon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kelvaron-icon OUTPUT.ico\n");
    return 2;
  }
  std::vector<IconImage> images;
  for (int size : {16, 24, 32, 48}) images.push_back(drawShipIcon(size));
  if (!writeIcon(argv[1], images)) {
    std::fprintf(stderr, "kelvaron-icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
