// cw_icongen: draws the game's icon, a golden crest with a rising bar chart
// on a blue tile, as an SVG and as PNGs of the sizes desktops look for. One
// description of the shapes feeds both, so the two never drift apart.
//
//   cw_icongen --out DIR   writes DIR/crestwork.svg and DIR/crestwork-N.png
#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

// The icon is drawn on a 256 x 256 grid.
constexpr double kGrid = 256.0;

struct Bar {
    double x, top, width;
};
constexpr double kBarFloor = 178;
constexpr Bar kBars[] = {{84, 148, 22}, {117, 120, 22}, {150, 92, 22}};

const char* const kTileTop = "#2a5d8f";
const char* const kTileBottom = "#143049";
const char* const kGoldTop = "#f7d469";
const char* const kGoldBottom = "#d58f16";
const char* const kEdge = "#6e4708";
const char* const kInk = "#143049";

// The crest's outline: a flat top with shoulders, sides curving to a point.
QPainterPath crest() {
    QPainterPath p;
    p.moveTo(128, 38);
    p.lineTo(202, 62);
    p.lineTo(202, 132);
    p.cubicTo(202, 178, 170, 208, 128, 226);
    p.cubicTo(86, 208, 54, 178, 54, 132);
    p.lineTo(54, 62);
    p.closeSubpath();
    return p;
}

std::string svg() {
    std::string s =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
        "  <defs>\n"
        "    <linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
        "      <stop offset=\"0\" stop-color=\"" + std::string(kTileTop) + "\"/>\n"
        "      <stop offset=\"1\" stop-color=\"" + kTileBottom + "\"/>\n"
        "    </linearGradient>\n"
        "    <linearGradient id=\"gold\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
        "      <stop offset=\"0\" stop-color=\"" + kGoldTop + "\"/>\n"
        "      <stop offset=\"1\" stop-color=\"" + kGoldBottom + "\"/>\n"
        "    </linearGradient>\n"
        "  </defs>\n"
        "  <rect x=\"12\" y=\"12\" width=\"232\" height=\"232\" rx=\"44\" fill=\"url(#tile)\"/>\n"
        "  <path d=\"M128 38 L202 62 L202 132 C202 178 170 208 128 226 C86 208 54 178 54 132 L54 62 Z\" "
        "fill=\"url(#gold)\" stroke=\"" + kEdge + "\" stroke-width=\"6\" stroke-linejoin=\"round\"/>\n";
    for (const Bar& b : kBars)
        s += "  <rect x=\"" + std::to_string(static_cast<int>(b.x)) + "\" y=\"" +
             std::to_string(static_cast<int>(b.top)) + "\" width=\"" + std::to_string(static_cast<int>(b.width)) +
             "\" height=\"" + std::to_string(static_cast<int>(kBarFloor - b.top)) + "\" rx=\"3\" fill=\"" + kInk +
             "\"/>\n";
    s += "  <rect x=\"76\" y=\"182\" width=\"104\" height=\"8\" rx=\"3\" fill=\"" + std::string(kInk) + "\"/>\n";
    s += "</svg>\n";
    return s;
}

QImage png(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    QLinearGradient tile(0, 12, 0, 244);
    tile.setColorAt(0, QColor(QString::fromLatin1(kTileTop)));
    tile.setColorAt(1, QColor(QString::fromLatin1(kTileBottom)));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(12, 12, 232, 232), 44, 44);
    QLinearGradient gold(0, 38, 0, 226);
    gold.setColorAt(0, QColor(QString::fromLatin1(kGoldTop)));
    gold.setColorAt(1, QColor(QString::fromLatin1(kGoldBottom)));
    p.setBrush(gold);
    p.setPen(QPen(QColor(QString::fromLatin1(kEdge)), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(crest());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(QString::fromLatin1(kInk)));
    for (const Bar& b : kBars) p.drawRoundedRect(QRectF(b.x, b.top, b.width, kBarFloor - b.top), 3, 3);
    p.drawRoundedRect(QRectF(76, 182, 104, 8), 3, 3);
    p.end();
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::strcmp(argv[1], "--out") != 0) {
        std::fprintf(stderr, "usage: cw_icongen --out DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "cw_icongen: cannot create %s\n", argv[2]);
        return 1;
    }
    std::ofstream file(QDir(out).filePath(QStringLiteral("crestwork.svg")).toStdString(), std::ios::trunc);
    file << svg();
    if (!file.flush()) {
        std::fprintf(stderr, "cw_icongen: cannot write crestwork.svg\n");
        return 1;
    }
    for (int size : {32, 48, 64, 128, 256}) {
        const QString name = QDir(out).filePath(QStringLiteral("crestwork-%1.png").arg(size));
        if (!png(size).save(name, "PNG")) {
            std::fprintf(stderr, "cw_icongen: cannot write %s\n", name.toLocal8Bit().constData());
            return 1;
        }
    }
    return 0;
}
