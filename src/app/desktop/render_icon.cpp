// Renders an icon's SVG into the PNG sizes of the hicolor theme at build
// time: render_icon SVG OUTDIR CONTEXT NAME SIZE...  writes
// OUTDIR/SIZExSIZE/CONTEXT/NAME.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: render_icon SVG OUTDIR CONTEXT NAME SIZE...\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  const QString out = QString::fromLocal8Bit(argv[2]);
  const QString context = QString::fromLocal8Bit(argv[3]);
  const QString name = QString::fromLocal8Bit(argv[4]);
  for (int i = 5; i < argc; ++i) {
    const int size = QByteArray(argv[i]).toInt();
    if (size <= 0) return 2;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    const QString dir = QStringLiteral("%1/%2x%2/%3").arg(out).arg(size).arg(context);
    if (!QDir().mkpath(dir) || !image.save(QStringLiteral("%1/%2.png").arg(dir, name))) {
      std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(dir));
      return 1;
    }
  }
  return 0;
}
