#include "ui/BracketPictureExport.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <algorithm>
#include <string>

#include "storage/BracketPage.h"
#include "storage/BracketSvg.h"

namespace vkr {
namespace {

// A 256-entry triple is many thousand pixels wide: the image is scaled down
// to this longest side so it stays a size any viewer opens.
constexpr int kLongestPngSide = 16000;

bool WriteWhole(const QString& fileName, const QByteArray& bytes, QString* error) {
  QSaveFile file(fileName);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
  *error = QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString());
  return false;
}

bool WritePng(const std::string& svg, const QString& fileName, QString* error) {
  QSvgRenderer renderer(QByteArray::fromStdString(svg));
  QSize size = renderer.defaultSize();
  if (!renderer.isValid() || size.isEmpty()) {
    *error = QStringLiteral("Cannot draw the bracket picture.");
    return false;
  }
  const int longest = std::max(size.width(), size.height());
  if (longest > kLongestPngSide) size = size * kLongestPngSide / longest;
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  QSaveFile file(fileName);
  if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit()) return true;
  *error = QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString());
  return false;
}

}  // namespace

QString BracketPictureFilters() {
  return QStringLiteral("SVG picture (*.svg);;Web page (*.html);;PNG image (*.png)");
}

bool ExportBracketPicture(const TTourney& t, const QString& fileName, QString* error) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("svg")) return WriteWhole(fileName, QByteArray::fromStdString(BracketPictureSvg(t)), error);
  if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
    return WriteWhole(fileName, QByteArray::fromStdString(BracketPictureHtml(t)), error);
  if (suffix == QLatin1String("png")) return WritePng(BracketPictureSvg(t), fileName, error);
  *error = QStringLiteral("Choose a file ending in .svg, .html or .png.");
  return false;
}

}  // namespace vkr
