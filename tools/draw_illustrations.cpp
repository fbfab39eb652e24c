// Draws the two pictures the description window shows: "DM", banker codes
// and the banker-group tolerance, and "YL", the verification strip's line and
// lottery switches with the omission grid. The JPEGs are committed; run this
// after changing a drawing:
//
//     sorvanta-draw-illustrations OUTPUT_DIR [--png]
//
// writes dm.jpg and yl.jpg (and PNG copies with --png, to look at).
//
// The sample numbers are the 4x_胆组 topic's example, so picture and text
// tell the player the same story.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The window's own colours, so the picture looks like the buttons it explains.
const QColor kGreen(0, 255, 0);
const QColor kGrey(224, 224, 224);
const QColor kSilver(192, 192, 192);
const QColor kBlue(0, 0, 255);
const QColor kRed(200, 0, 0);
const QColor kInk(30, 30, 30);
const QColor kPaper(255, 255, 250);
const QColor kPanel(236, 242, 250);

QFont Font(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void Text(QPainter& p, const QRect& box, const QString& text, int size, const QColor& colour = kInk,
          bool bold = false, int flags = Qt::AlignLeft | Qt::AlignVCenter) {
    p.setFont(Font(size, bold));
    p.setPen(colour);
    p.drawText(box, flags | Qt::TextWordWrap, text);
}

void Button(QPainter& p, const QRect& box, const QString& caption, const QColor& face,
            int size = 14) {
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(face);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    Text(p, box, caption, size, kInk, false, Qt::AlignCenter);
}

void Panel(QPainter& p, const QRect& box, const QString& title) {
    p.setPen(QPen(QColor(150, 170, 200), 1));
    p.setBrush(kPanel);
    p.drawRoundedRect(box, 6, 6);
    Text(p, QRect(box.left() + 10, box.top() + 4, box.width() - 20, 24), title, 15, kBlue, true);
}

void CheckBox(QPainter& p, QPoint at, const QString& caption, bool ticked) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(at.x(), at.y(), 14, 14);
    if (ticked) {
        p.setPen(QPen(kInk, 2));
        p.drawLine(at.x() + 3, at.y() + 7, at.x() + 6, at.y() + 11);
        p.drawLine(at.x() + 6, at.y() + 11, at.x() + 12, at.y() + 3);
    }
    Text(p, QRect(at.x() + 20, at.y() - 4, 120, 22), caption, 14);
}

void Arrow(QPainter& p, QPoint from, QPoint to, const QColor& colour) {
    p.setPen(QPen(colour, 2));
    p.drawLine(from, to);
    const QPointF d = QPointF(to - from) / std::max(1.0, QLineF(from, to).length());
    const QPointF n(-d.y(), d.x());
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(QPointF(to) - d * 9 + n * 5);
    head.lineTo(QPointF(to) - d * 9 - n * 5);
    head.closeSubpath();
    p.fillPath(head, colour);
}

// One banker row as the four-star panel shows it: ten digit buttons, then
// the come-out count buttons 0 to 4.
void BankerRow(QPainter& p, QPoint at, const QString& label, const QString& digits,
               const QString& counts) {
    Text(p, QRect(at.x(), at.y(), 60, 26), label, 14, kInk, true);
    for (int d = 0; d < 10; ++d) {
        const QString caption = QString::number(d);
        Button(p, QRect(at.x() + 62 + d * 25, at.y(), 23, 26), caption,
               digits.contains(caption) ? kGreen : kGrey);
    }
    for (int k = 0; k <= 4; ++k) {
        const QString caption = QString::number(k);
        Button(p, QRect(at.x() + 322 + k * 25, at.y(), 23, 26), caption,
               counts.contains(caption) ? kGreen : kGrey);
    }
}

QImage DrawBankerPicture() {
    QImage image(915, 573, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    Text(p, QRect(0, 8, 915, 36), QStringLiteral("胆码说明：胆码、开出个数与胆组容错"), 24, kBlue,
         true, Qt::AlignHCenter | Qt::AlignVCenter);

    // The panel as set up in the example.
    Panel(p, QRect(20, 54, 470, 196), QStringLiteral("胆组（例子的设置）"));
    Text(p, QRect(94, 82, 280, 20), QStringLiteral("胆码（点击变绿色）"), 13, kInk);
    Text(p, QRect(352, 82, 130, 20), QStringLiteral("胆码开出个数"), 13, kInk);
    BankerRow(p, QPoint(30, 106), QStringLiteral("第一行"), QStringLiteral("38"),
              QStringLiteral("2"));
    BankerRow(p, QPoint(30, 140), QStringLiteral("第二行"), QStringLiteral("5"), QString());
    CheckBox(p, QPoint(36, 184), QStringLiteral("胆码计重"), false);
    Text(p, QRect(36, 206, 450, 40),
         QStringLiteral(
             "第一行：3、8里要开出2个；\n第二行：开出个数不选，表示1到4个，即5至少出一个。"),
         13, kInk);

    // What the two ways of counting mean.
    Panel(p, QRect(505, 54, 390, 196), QStringLiteral("开出几个胆怎么数"));
    Text(p, QRect(520, 84, 365, 46),
         QStringLiteral("不勾胆码计重：号码里有几个不同的胆码就算几个，重复的只算一次。"), 14);
    Text(p, QRect(520, 132, 365, 46), QStringLiteral("勾上胆码计重：每个位置是胆码都算一个。"), 14);
    Text(p, QRect(520, 180, 365, 60),
         QStringLiteral("例：胆码3，号码3313：不计重算1个，计重算3个。"), 14, kRed);

    // The sample numbers row by row, and what two tolerances make of them.
    Panel(p, QRect(20, 262, 875, 206), QStringLiteral("每行对不对，错几行，容错决定保留还是排除"));
    const int columns[] = {30, 130, 320, 500, 590, 740, 885};
    const QStringList header = {QStringLiteral("号码"),
                                QStringLiteral("第一行（3、8出2个）"),
                                QStringLiteral("第二行（5出1到4个）"),
                                QStringLiteral("错几行"),
                                QStringLiteral("胆组容错0至0"),
                                QStringLiteral("胆组容错0至1")};
    struct Row {
        const char* number;
        const char* first;
        bool firstRight;
        const char* second;
        bool secondRight;
    };
    const std::vector<Row> rows = {
        {"3815", "开出3、8两个", true, "开出5", true},
        {"3813", "开出3、8两个", true, "没有5", false},
        {"3315", "只开出3一个", false, "开出5", true},
        {"1234", "只开出3一个", false, "没有5", false},
    };
    const int top = 292;
    const int rowHeight = 34;
    p.setPen(QPen(kSilver, 1));
    for (int r = 0; r <= static_cast<int>(rows.size()) + 1; ++r)
        p.drawLine(columns[0], top + r * rowHeight, columns[6], top + r * rowHeight);
    for (int c : columns)
        p.drawLine(c, top, c, top + (static_cast<int>(rows.size()) + 1) * rowHeight);
    for (int c = 0; c < 6; ++c)
        Text(p, QRect(columns[c] + 6, top, columns[c + 1] - columns[c] - 8, rowHeight), header[c],
             14, kBlue, true, Qt::AlignCenter);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Row& row = rows[r];
        const int y = top + static_cast<int>(r + 1) * rowHeight;
        const int wrong = (row.firstRight ? 0 : 1) + (row.secondRight ? 0 : 1);
        const auto cell = [&](int c, const QString& text, const QColor& colour, bool bold) {
            Text(p, QRect(columns[c] + 6, y, columns[c + 1] - columns[c] - 8, rowHeight), text, 15,
                 colour, bold, Qt::AlignCenter);
        };
        const auto verdict = [](bool right) {
            return right ? QStringLiteral(" 对") : QStringLiteral(" 错");
        };
        cell(0, QString::fromLatin1(row.number), kInk, true);
        cell(1, QString::fromUtf8(row.first) + verdict(row.firstRight),
             row.firstRight ? kInk : kRed, false);
        cell(2, QString::fromUtf8(row.second) + verdict(row.secondRight),
             row.secondRight ? kInk : kRed, false);
        cell(3, QString::number(wrong), kInk, true);
        cell(4, wrong == 0 ? QStringLiteral("保留") : QStringLiteral("排除"),
             wrong == 0 ? QColor(0, 140, 0) : kRed, true);
        cell(5, wrong <= 1 ? QStringLiteral("保留") : QStringLiteral("排除"),
             wrong <= 1 ? QColor(0, 140, 0) : kRed, true);
    }

    Text(p, QRect(30, 478, 860, 86),
         QStringLiteral(
             "胆组容错是允许错几行：0至0每行都要对；0至1最多错一行；1至1刚好错一行。\n"
             "没有选胆码的行不算。开出个数不选时，四星表示1到4个，三星1到3个，两星1到2个。\n"
             "胆组在总容错里只算一个条件，不管用了几行。"),
         15, kInk);
    return image;
}

QImage DrawStripPicture() {
    QImage image(317, 456, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    Text(p, QRect(0, 4, 317, 28), QStringLiteral("线路、彩种与遗漏说明"), 18, kBlue, true,
         Qt::AlignHCenter | Qt::AlignVCenter);

    // Line switch.
    Panel(p, QRect(8, 36, 301, 92), QStringLiteral("线路"));
    const auto option = [&](int x, int y, const QString& caption, bool on) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(Qt::white);
        p.drawEllipse(QPoint(x + 7, y + 8), 7, 7);
        if (on) {
            p.setBrush(kInk);
            p.drawEllipse(QPoint(x + 7, y + 8), 3, 3);
        }
        Text(p, QRect(x + 18, y - 3, 60, 22), caption, 14, kInk, true);
    };
    option(18, 64, QStringLiteral("线路1"), true);
    Text(p, QRect(92, 58, 210, 28), QStringLiteral("最近5000期开奖"), 13);
    option(18, 94, QStringLiteral("线路2"), false);
    Text(p, QRect(92, 88, 210, 28), QStringLiteral("最近100期开奖"), 13);

    // Lottery switch.
    Panel(p, QRect(8, 134, 301, 96), QStringLiteral("切换彩种"));
    Button(p, QRect(18, 162, 60, 28), QStringLiteral("重庆"), kGreen);
    Button(p, QRect(84, 162, 60, 28), QStringLiteral("新疆"), kGrey);
    Button(p, QRect(150, 162, 60, 28), QStringLiteral("天津"), kGrey);
    Arrow(p, QPoint(250, 176), QPoint(214, 176), kRed);
    Text(p, QRect(252, 160, 56, 34), QStringLiteral("点击\n切换"), 12, kRed);
    Text(p, QRect(18, 194, 286, 34),
         QStringLiteral("绿色为当前彩种。切换彩种或线路后，开奖号码重新采集。"), 12);

    // The omission grid as the strip draws it: five position blocks two
    // units wide, thin silver lines, black lines between the blocks.
    Panel(p, QRect(8, 236, 301, 212), QStringLiteral("遗漏统计"));
    const QRect grid(18, 284, 282, 110);
    const double ux = grid.width() / 12.0;
    const double uy = grid.height() / 10.0;
    const auto gx = [&](double x) {
        return grid.left() + x * ux;
    };
    const auto gy = [&](double y) {
        return grid.top() + (y - 2) * uy;
    };
    p.setPen(QPen(kSilver, 1));
    for (int y = 2; y <= 11; ++y)
        p.drawLine(QPointF(gx(0), gy(y)), QPointF(gx(12), gy(y)));
    for (int x = 1; x <= 11; ++x)
        p.drawLine(QPointF(gx(x), gy(2)), QPointF(gx(x), gy(12)));
    p.setPen(QPen(Qt::black, 1));
    for (int x : {2, 4, 6, 8})
        p.drawLine(QPointF(gx(x), gy(2)), QPointF(gx(x), gy(12)));
    const char* const positions[] = {"万位", "千位", "百位", "十位", "个位"};
    for (int i = 0; i < 5; ++i)
        Text(p, QRectF(gx(2 * i), grid.top() - 22, 2 * ux, 20).toRect(),
             QString::fromUtf8(positions[i]), 12, kBlue, false, Qt::AlignCenter);
    Text(p, QRect(18, 398, 286, 48),
         QStringLiteral("每块对应开奖号码的一个位置。遗漏是数字在这个位置连续多少期没开出，"
                        "最近一期开出的为0。"),
         12);
    return image;
}

bool Save(const QImage& image, const QString& dir, const QString& name, bool png) {
    const QString jpg = QDir(dir).filePath(name + QStringLiteral(".jpg"));
    if (!image.save(jpg, "JPG", 92)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(jpg));
        return false;
    }
    std::printf("%s\n", qPrintable(jpg));
    if (png) {
        const QString copy = QDir(dir).filePath(name + QStringLiteral(".png"));
        if (!image.save(copy, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(copy));
            return false;
        }
        std::printf("%s\n", qPrintable(copy));
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // A drawing tool needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool png = argc > 2 && std::strcmp(argv[2], "--png") == 0;
    QDir().mkpath(dir);
    const bool ok = Save(DrawBankerPicture(), dir, QStringLiteral("dm"), png) &&
                    Save(DrawStripPicture(), dir, QStringLiteral("yl"), png);
    return ok ? 0 : 1;
}
