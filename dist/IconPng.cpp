// Turns the program icon, which the asset generator draws as a bitmap, into the PNG that
// desktop menus show.
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: icon-png ICON.bmp ICON.png\n");
    return 2;
  }
  const QImage icon(QString::fromLocal8Bit(argv[1]));
  if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "icon-png: cannot turn %s into %s\n", argv[1], argv[2]);
    return 1;
  }
  return 0;
}
