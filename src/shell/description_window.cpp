#include "shell/description_window.hpp"

#include "shell/help_index.hpp"
#include "shell/help_topics.hpp"
#include "shell/message_box.hpp"
#include "shell/screen_fit.hpp"
#include "shell/twips.hpp"

#include <QBuffer>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace sorvanta::ui {

namespace {

bool testMode = false;
QList<Fsm::Shown> shownWindows;

// The reader's own descriptions are English; the player reads Chinese.
QString DescribeImageError(QImageReader::ImageReaderError error) {
    switch (error) {
    case QImageReader::FileNotFoundError:
        return QStringLiteral("找不到图片");
    case QImageReader::DeviceError:
        return QStringLiteral("读取图片数据出错");
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("不是可以识别的图片格式");
    case QImageReader::InvalidDataError:
        return QStringLiteral("图片数据已损坏");
    default:
        return QStringLiteral("未知错误");
    }
}

} // namespace

Fsm::Fsm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Fsm"));
    setWindowTitle(QStringLiteral("说明"));
    setModal(true);

    Pic_dmsm = new QFrame(this);
    Pic_dmsm->setObjectName(QStringLiteral("Pic_dmsm"));
    Pic_dmsm->setFixedSize(twipsSize(13900, 9200));
    Pic_dmsm->setAutoFillBackground(true);
    Image1 = new QLabel(Pic_dmsm);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(0, 0);

    C_shuoming = new QPushButton(QStringLiteral("关闭"), this);
    C_shuoming->setObjectName(QStringLiteral("C_shuoming"));
    C_shuoming->setAutoDefault(false);
    // A button that reads "关闭" and does nothing would only puzzle.
    connect(C_shuoming, &QPushButton::clicked, this, &QDialog::reject);

    // The picture keeps its size; on a screen smaller than it (720 lines at
    // 150%) it scrolls, and 关闭 stays in reach below it.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("pictureScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(Pic_dmsm);
    scroller->setAlignment(Qt::AlignCenter);
    const int bar = scroller->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    scroller->setMinimumSize(qMin(Pic_dmsm->width(), twips(3000)),
                             qMin(Pic_dmsm->height(), twips(1500)));
    scroller->setMaximumSize(Pic_dmsm->size() + QSize(bar, bar));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroller, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(C_shuoming);
    layout->addLayout(row);
    const QMargins m = layout->contentsMargins();
    resize(Pic_dmsm->width() + m.left() + m.right(), Pic_dmsm->height() + layout->spacing() +
                                                         C_shuoming->sizeHint().height() + m.top() +
                                                         m.bottom());
}

bool Fsm::setPicture(const QByteArray& jpeg) {
    Image1->clear();
    Image1->resize(0, 0);
    if (jpeg.isEmpty()) {
        MessageBox::warning(this, QStringLiteral("错误提示"),
                            QStringLiteral("函数提供的是空数组!"));
        return false;
    }
    const QImage image = QImage::fromData(jpeg, "JPEG");
    if (image.isNull()) {
        // Decoded once more only to learn why it failed.
        QBuffer buffer;
        buffer.setData(jpeg);
        QImageReader reader(&buffer, "JPEG");
        reader.read();
        MessageBox::warning(this, QStringLiteral("错误提示"),
                            QStringLiteral("%1 - %2")
                                .arg(static_cast<int>(reader.error()))
                                .arg(DescribeImageError(reader.error())));
        return false;
    }
    Image1->setPixmap(QPixmap::fromImage(image));
    Image1->resize(image.size());
    return true;
}

int Fsm::exec() {
    if (testMode) {
        const QSize image = Image1->pixmap().isNull() ? QSize() : Image1->pixmap().size();
        shownWindows.append({windowTitle(), Pic_dmsm->size(), image});
        return QDialog::Rejected;
    }
    FitToScreen(this);
    return QDialog::exec();
}

void Fsm::setTestMode(bool on) {
    testMode = on;
}

const QList<Fsm::Shown>& Fsm::shown() {
    return shownWindows;
}

void Fsm::clearShown() {
    shownWindows.clear();
}

void ShowPictureResource(QWidget* parent, const QString& name) {
    Fsm window(parent);
    window.setPicture(ResourceBytes(name));
    window.exec();
}

void ShowPicture(QWidget* parent, int picture) {
    const std::string_view name = PictureResource(picture);
    if (name.empty())
        return;
    ShowPictureResource(parent,
                        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

} // namespace sorvanta::ui
