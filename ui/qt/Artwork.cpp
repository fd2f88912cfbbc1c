#include "ui/qt/Artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace kx7q {
namespace {

constexpr int kSize = 32;

const QColor kInk(40, 52, 70);
const QColor kPaper(250, 250, 246);
const QColor kBlue(52, 110, 190);
const QColor kGreen(40, 150, 80);
const QColor kOrange(220, 130, 30);
const QColor kRed(200, 60, 50);

QPixmap Canvas() {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void Page(QPainter& p) {
  QPainterPath page;
  page.moveTo(7, 3);
  page.lineTo(20, 3);
  page.lineTo(26, 9);
  page.lineTo(26, 29);
  page.lineTo(7, 29);
  page.closeSubpath();
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(kPaper);
  p.drawPath(page);
  p.drawLine(QPointF(20, 3), QPointF(20, 9));
  p.drawLine(QPointF(20, 9), QPointF(26, 9));
}

void Radio(QPainter& p, const QRectF& body) {
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(70, 80, 95));
  p.drawRoundedRect(body, 2.5, 2.5);
  // antenna
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(body.left() + body.width() * 0.25, body.top()),
             QPointF(body.left() + body.width() * 0.25, body.top() - body.height() * 0.45));
  // display and speaker grille
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 210, 160));
  const QRectF display(body.left() + 2.5, body.top() + 3, body.width() - 5, body.height() * 0.25);
  p.drawRect(display);
  p.setPen(QPen(QColor(180, 185, 195), 1.2));
  for (int i = 0; i < 3; ++i) {
    const double y = display.bottom() + 3 + i * 3;
    if (y > body.bottom() - 2) break;
    p.drawLine(QPointF(body.left() + 3, y), QPointF(body.right() - 3, y));
  }
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour) {
  p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(from, to);
  const QPointF d = to - from;
  const double length = std::max(1.0, std::hypot(d.x(), d.y()));
  const QPointF u(d.x() / length, d.y() / length);
  const QPointF n(-u.y(), u.x());
  p.drawLine(to, to - u * 5 + n * 4);
  p.drawLine(to, to - u * 5 - n * 4);
}

QPixmap Draw(Art art) {
  QPixmap pixmap = Canvas();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (art) {
    case Art::New:
      Page(p);
      p.setPen(QPen(kOrange, 2));
      p.drawLine(QPointF(10, 22), QPointF(18, 22));
      p.drawLine(QPointF(14, 18), QPointF(14, 26));
      break;
    case Art::Open: {
      p.setPen(QPen(kInk, 1.5));
      p.setBrush(QColor(235, 190, 80));
      QPainterPath back;
      back.moveTo(3, 8);
      back.lineTo(11, 8);
      back.lineTo(13, 11);
      back.lineTo(27, 11);
      back.lineTo(27, 26);
      back.lineTo(3, 26);
      back.closeSubpath();
      p.drawPath(back);
      p.setBrush(QColor(250, 215, 110));
      QPainterPath front;
      front.moveTo(3, 26);
      front.lineTo(8, 15);
      front.lineTo(30, 15);
      front.lineTo(27, 26);
      front.closeSubpath();
      p.drawPath(front);
      break;
    }
    case Art::Save:
      p.setPen(QPen(kInk, 1.5));
      p.setBrush(kBlue);
      p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
      p.setBrush(kPaper);
      p.drawRect(QRectF(9, 4, 14, 9));
      p.setBrush(QColor(220, 225, 235));
      p.drawRect(QRectF(8, 18, 16, 10));
      p.setBrush(kInk);
      p.drawRect(QRectF(18, 6, 3, 5));
      break;
    case Art::Print:
      p.setPen(QPen(kInk, 1.5));
      p.setBrush(kPaper);
      p.drawRect(QRectF(9, 3, 14, 10));
      p.setBrush(QColor(150, 160, 175));
      p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
      p.setBrush(kPaper);
      p.drawRect(QRectF(9, 19, 14, 10));
      p.setPen(QPen(kInk, 1));
      p.drawLine(QPointF(12, 23), QPointF(20, 23));
      p.drawLine(QPointF(12, 26), QPointF(20, 26));
      p.setPen(Qt::NoPen);
      p.setBrush(kGreen);
      p.drawEllipse(QPointF(25, 15.5), 1.5, 1.5);
      break;
    case Art::Port:
      // a nine-pin serial connector
      p.setPen(QPen(kInk, 1.5));
      p.setBrush(QColor(190, 195, 205));
      {
        QPainterPath shell;
        shell.moveTo(3, 10);
        shell.lineTo(29, 10);
        shell.lineTo(26, 23);
        shell.lineTo(6, 23);
        shell.closeSubpath();
        p.drawPath(shell);
      }
      p.setPen(Qt::NoPen);
      p.setBrush(kInk);
      for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(8 + i * 4, 14), 1.3, 1.3);
      for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(10 + i * 4, 19), 1.3, 1.3);
      break;
    case Art::Read:
      Radio(p, QRectF(3, 11, 11, 18));
      Arrow(p, QPointF(16, 14), QPointF(28, 24), kGreen);
      break;
    case Art::Write:
      Radio(p, QRectF(18, 11, 11, 18));
      Arrow(p, QPointF(4, 24), QPointF(16, 14), kRed);
      break;
    case Art::Help: {
      p.setPen(QPen(kInk, 1.5));
      p.setBrush(kBlue);
      p.drawEllipse(QRectF(3, 3, 26, 26));
      QFont font;
      font.setBold(true);
      font.setPixelSize(20);
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case Art::ChannelEdit:
      Page(p);
      p.setPen(QPen(kOrange, 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(11, 25), QPointF(23, 13));
      break;
    case Art::TreeRoot:
      Radio(p, QRectF(10, 11, 13, 19));
      break;
    case Art::TreeNode:
    case Art::TreeSelected:
      p.setPen(QPen(kInk, 1.5));
      p.setBrush(art == Art::TreeSelected ? kOrange : QColor(120, 160, 210));
      p.drawRoundedRect(QRectF(8, 8, 16, 16), 3, 3);
      break;
  }
  return pixmap;
}

}  // namespace

QIcon ArtIcon(Art art) { return QIcon(Draw(art)); }

QIcon ApplicationIcon() {
  QPixmap pixmap(64, 64);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(2, 2);
  Radio(p, QRectF(9, 10, 14, 21));
  return QIcon(pixmap);
}

QPixmap BackgroundTile() {
  // A quiet diagonal weave in greys, tiled over the MDI area.
  QPixmap tile(48, 48);
  tile.fill(QColor(196, 204, 214));
  QPainter p(&tile);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(186, 195, 207), 6));
  p.drawLine(QPointF(-12, 60), QPointF(60, -12));
  p.drawLine(QPointF(-36, 36), QPointF(36, -36));
  p.drawLine(QPointF(12, 84), QPointF(84, 12));
  p.setPen(QPen(QColor(206, 213, 222), 2));
  p.drawLine(QPointF(-12, -12), QPointF(60, 60));
  return tile;
}

}  // namespace kx7q
