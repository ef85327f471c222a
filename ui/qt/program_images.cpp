#include "ui/qt/program_images.h"

#include <QImage>
#include <QPixmap>

#include "ui/images/embedded_images.h"
#include "ui/images/png_image.h"

namespace lorvex::qt {

namespace {

QImage decodedImage(ImageId id) {
    const std::optional<RgbaImage> image = decodePng(embeddedPng(id));
    if (!image) return {};
    // The decoder's pixels die with it, so the image makes its own copy.
    return QImage(image->pixels.data(), image->width, image->height, image->width * 4,
                  QImage::Format_RGBA8888)
        .copy();
}

QIcon iconOf(ImageId id) {
    const QImage image = decodedImage(id);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace

ProgramImages decodeProgramImages() {
    ProgramImages images;
    const std::array<ImageId, 7> toolbarIds = {
        ImageId::Open,    ImageId::Paste, ImageId::SaveTxt, ImageId::SaveHtml,
        ImageId::Analyse, ImageId::Help,  ImageId::Info};
    for (std::size_t i = 0; i < toolbarIds.size(); ++i) images.toolbar[i] = iconOf(toolbarIds[i]);
    for (const ImageId id : {ImageId::Icon16, ImageId::Icon32}) {
        const QImage image = decodedImage(id);
        if (!image.isNull()) images.application.addPixmap(QPixmap::fromImage(image));
    }
    return images;
}

}  // namespace lorvex::qt
