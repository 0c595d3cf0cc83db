#include "ui/BracketPictureExport.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <algorithm>
#include <functional>
#include <string>

#include "storage/BracketPage.h"
#include "storage/BracketSvg.h"

namespace vkr {
namespace {

// A 256-entry triple is many thousand pixels wide: the image is scaled down
// to this longest side so it stays a size any viewer opens.
constexpr int kLongestPngSide = 16000;

// Replaces the file only once `write` has written all of it.
bool WriteWhole(const QString& fileName, const std::function<bool(QSaveFile&)>& write, QString* error) {
  QSaveFile file(fileName);
  if (file.open(QIODevice::WriteOnly) && write(file) && file.commit()) return true;
  *error = QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString());
  return false;
}

bool WriteBytes(const QString& fileName, const std::string& bytes, QString* error) {
  const auto size = static_cast<qint64>(bytes.size());
  return WriteWhole(fileName, [&](QSaveFile& file) { return file.write(bytes.data(), size) == size; }, error);
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
  return WriteWhole(fileName, [&image](QSaveFile& file) { return image.save(&file, "PNG"); }, error);
}

}  // namespace

QString BracketPictureFilters() {
  return QStringLiteral("SVG picture (*.svg);;Web page (*.html);;PNG image (*.png)");
}

bool ExportBracketPicture(const TTourney& t, const QString& fileName, QString* error) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("svg")) return WriteBytes(fileName, BracketPictureSvg(t), error);
  if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
    return WriteBytes(fileName, BracketPictureHtml(t), error);
  if (suffix == QLatin1String("png")) return WritePng(BracketPictureSvg(t), fileName, error);
  *error = QStringLiteral("Choose a file ending in .svg, .html or .png.");
  return false;
}

}  // namespace vkr
