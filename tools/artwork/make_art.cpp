// Draws Coinwell's installation pictures into a folder:
//   WP1.jpg ... WP16.jpg   the sixteen wallpapers of the Background Selector
//   MainPicture.png        the picture on the main screen's panel
//   Splash.png             the picture panel of the start-up screen
//   Emblem.png             the small emblem of the tool screens and the About box
//   AboutPicture.png       the About box's link picture
//   coinwell.png           the application icon, 256 x 256
// Usage: coinwell_make_art <folder>
// Everything is computed: the same build gives the same pictures.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1200;

// ---- smooth value noise --------------------------------------------------------------------

std::uint32_t hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1u ^ static_cast<std::uint32_t>(x) * 0x85EBCA77u ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double lattice(int x, int y, std::uint32_t seed) {
    return (hash(x, y, seed) & 0xFFFFFF) / double(0xFFFFFF);
}

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

double noise(double x, double y, std::uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const double a = lattice(x0, y0, seed), b = lattice(x0 + 1, y0, seed);
    const double c = lattice(x0, y0 + 1, seed), d = lattice(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

// Fractal sum of octaves, 0..1.
double fractal(double x, double y, int octaves, std::uint32_t seed) {
    double sum = 0, amplitude = 1, total = 0, frequency = 1;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * noise(x * frequency, y * frequency, seed + i * 101);
        total += amplitude;
        amplitude *= 0.5;
        frequency *= 2;
    }
    return sum / total;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// Fills every pixel from a function of the position scaled to 0..1 across the width.
void perPixel(QImage& image, const std::function<QColor(double, double)>& colorAt) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = colorAt(double(x) / image.width(), double(y) / image.width()).rgb();
        }
    }
}

void vignette(QImage& image, double strength) {
    QPainter p(&image);
    QRadialGradient g(image.width() / 2.0, image.height() / 2.0, image.width() * 0.75);
    g.setColorAt(0.5, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, static_cast<int>(255 * strength)));
    p.fillRect(image.rect(), g);
}

// ---- the sixteen wallpapers -----------------------------------------------------------------

void oceanWaves(QImage& img) {
    perPixel(img, [](double x, double y) {
        const double wave = 0.5 + 0.5 * std::sin(x * 14 + std::sin(y * 9) * 2.2 + y * 4);
        const double n = fractal(x * 6, y * 6, 4, 11);
        return mix(mix(QColor(8, 42, 92), QColor(24, 120, 150), y * 1.1 + n * 0.3),
                   QColor(120, 200, 210), wave * 0.18 + n * 0.08);
    });
    vignette(img, 0.35);
}

void marble(QImage& img) {
    perPixel(img, [](double x, double y) {
        const double t = fractal(x * 5, y * 5, 6, 21);
        const double vein = std::abs(std::sin((x * 3 + y * 2 + t * 4.5) * M_PI));
        const double v = std::pow(vein, 0.35);
        return mix(QColor(120, 124, 132), QColor(236, 234, 230), v * 0.9 + t * 0.1);
    });
}

void wood(QImage& img) {
    perPixel(img, [](double x, double y) {
        const double t = fractal(x * 3, y * 18, 5, 31);
        const double rings = 0.5 + 0.5 * std::sin((y * 60 + t * 10) + std::sin(x * 3) * 2);
        const double grain = fractal(x * 80, y * 4, 3, 33);
        return mix(QColor(104, 60, 28), QColor(176, 116, 62), rings * 0.7 + grain * 0.3);
    });
    vignette(img, 0.3);
}

void linen(QImage& img) {
    perPixel(img, [](double x, double y) {
        const double warp = fractal(x * 600, y * 8, 2, 41);
        const double weft = fractal(x * 8, y * 600, 2, 43);
        const double cloud = fractal(x * 4, y * 4, 4, 47);
        return mix(QColor(214, 202, 178), QColor(240, 232, 214),
                   warp * 0.45 + weft * 0.45 + cloud * 0.2);
    });
}

void sunset(QImage& img) {
    {
        QPainter p(&img);
        QLinearGradient g(0, 0, 0, img.height());
        g.setColorAt(0.0, QColor(44, 28, 86));
        g.setColorAt(0.45, QColor(176, 64, 96));
        g.setColorAt(0.75, QColor(240, 140, 70));
        g.setColorAt(1.0, QColor(252, 206, 120));
        p.fillRect(img.rect(), g);
        QRadialGradient sun(img.width() * 0.62, img.height() * 0.78, img.width() * 0.35);
        sun.setColorAt(0.0, QColor(255, 240, 200, 230));
        sun.setColorAt(0.12, QColor(255, 220, 150, 160));
        sun.setColorAt(1.0, QColor(255, 200, 120, 0));
        p.fillRect(img.rect(), sun);
    }
    QImage clouds = img.copy();
    perPixel(clouds, [&img](double x, double y) {
        const QColor base = img.pixelColor(std::min(int(x * img.width()), img.width() - 1),
                                           std::min(int(y * img.width()), img.height() - 1));
        const double c = fractal(x * 3, y * 14, 5, 51);
        return mix(base, QColor(255, 190, 170), std::max(0.0, c - 0.55) * 1.4);
    });
    img = clouds;
}

void bokeh(QImage& img, QColor top, QColor bottom, QColor light, std::uint32_t seed) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, img.width(), img.height());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(img.rect(), g);
    // As many lights, and as large, for the size of the picture as on a full wallpaper.
    const double scale = double(img.width()) / kWidth;
    const int count = std::max(14, static_cast<int>(70 * scale * img.height() / kHeight));
    for (int i = 0; i < count; ++i) {
        const double x = lattice(i, 1, seed) * img.width();
        const double y = lattice(i, 2, seed) * img.height();
        const double r = (20 + lattice(i, 3, seed) * 110) * std::max(scale, 0.5);
        QRadialGradient spot(x, y, r);
        QColor c = light;
        c.setAlpha(static_cast<int>(25 + lattice(i, 4, seed) * 60));
        spot.setColorAt(0, c);
        spot.setColorAt(0.8, c);
        c.setAlpha(0);
        spot.setColorAt(1, c);
        p.setPen(Qt::NoPen);
        p.setBrush(spot);
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void slateClouds(QImage& img) {
    perPixel(img, [](double x, double y) {
        const double n = fractal(x * 4, y * 4, 6, 71);
        return mix(QColor(34, 44, 58), QColor(104, 122, 140), n * 1.3 - 0.15);
    });
    vignette(img, 0.4);
}

void parchment(QImage& img) {
    perPixel(img, [](double x, double y) {
        const double n = fractal(x * 5, y * 5, 6, 81);
        const double fine = fractal(x * 120, y * 120, 2, 83);
        return mix(QColor(246, 236, 206), QColor(204, 180, 130), n * 0.7 + fine * 0.15 - 0.1);
    });
    vignette(img, 0.45);
}

void hexagons(QImage& img) {
    {
        QPainter p(&img);
        QLinearGradient g(0, 0, img.width(), img.height());
        g.setColorAt(0, QColor(18, 96, 104));
        g.setColorAt(1, QColor(10, 52, 72));
        p.fillRect(img.rect(), g);
        p.setRenderHint(QPainter::Antialiasing);
        const double r = 46;
        const double w = std::sqrt(3.0) * r;
        for (int row = -1; row * 1.5 * r < img.height() + r; ++row) {
            for (int col = -1; col * w < img.width() + w; ++col) {
                const double cx = col * w + (row % 2 ? w / 2 : 0);
                const double cy = row * 1.5 * r;
                QPainterPath hex;
                for (int k = 0; k < 6; ++k) {
                    const double a = M_PI / 6 + k * M_PI / 3;
                    const QPointF pt(cx + r * 0.92 * std::cos(a), cy + r * 0.92 * std::sin(a));
                    k ? hex.lineTo(pt) : hex.moveTo(pt);
                }
                hex.closeSubpath();
                const double shade = lattice(row, col, 91);
                p.setPen(QPen(QColor(120, 220, 220, 60), 2));
                p.setBrush(QColor(255, 255, 255, static_cast<int>(shade * 22)));
                p.drawPath(hex);
            }
        }
    }
    vignette(img, 0.35);
}

void pastelStripes(QImage& img) {
    perPixel(img, [](double x, double y) {
        const double s = x + y;
        const double band = 0.5 + 0.5 * std::sin(s * 40);
        const double n = fractal(x * 200, y * 200, 2, 101);
        const QColor a =
            mix(QColor(204, 226, 240), QColor(230, 214, 236), 0.5 + 0.5 * std::sin(s * 3));
        return mix(a, QColor(250, 250, 252), band * 0.35 + n * 0.06);
    });
}

void aurora(QImage& img) {
    perPixel(img, [](double x, double y) {
        const QColor sky = mix(QColor(6, 12, 36), QColor(18, 40, 70), y * 1.3);
        const double curve = 0.35 + 0.08 * std::sin(x * 7) + 0.05 * fractal(x * 4, 0, 3, 111);
        const double d = (y - curve) / 0.12;
        const double band = std::exp(-d * d) * (0.5 + 0.5 * fractal(x * 30, y * 3, 3, 113));
        const double curve2 = 0.22 + 0.06 * std::sin(x * 5 + 1);
        const double d2 = (y - curve2) / 0.06;
        const double band2 = std::exp(-d2 * d2) * 0.6;
        const double star = lattice(int(x * 900), int(y * 900), 117) > 0.9985 ? 0.9 : 0.0;
        QColor c = mix(sky, QColor(60, 230, 150), band);
        c = mix(c, QColor(150, 80, 210), band2);
        return mix(c, QColor(255, 255, 255), star);
    });
}

void dunes(QImage& img) {
    perPixel(img, [](double x, double y) {
        const double ridge = 0.5 + 0.5 * std::sin(y * 26 + std::sin(x * 6) * 1.8 +
                                                  fractal(x * 2, y * 2, 3, 121) * 3);
        const double grain = fractal(x * 300, y * 300, 2, 123);
        return mix(QColor(196, 140, 84), QColor(240, 200, 146), ridge * 0.75 + grain * 0.15);
    });
    vignette(img, 0.25);
}

void granite(QImage& img) {
    perPixel(img, [](double x, double y) {
        const double n = fractal(x * 10, y * 10, 4, 131);
        const double speck = lattice(int(x * 700), int(y * 700), 133);
        QColor c = mix(QColor(150, 140, 136), QColor(196, 188, 182), n);
        if (speck > 0.93) {
            c = mix(c, QColor(40, 36, 40), (speck - 0.93) * 12);
        }
        if (speck < 0.04) {
            c = mix(c, QColor(240, 236, 230), 0.8);
        }
        return c;
    });
}

void silk(QImage& img) {
    perPixel(img, [](double x, double y) {
        const double fold = std::sin(x * 5 + std::sin(y * 4) * 1.5) +
                            0.6 * std::sin(y * 7 - x * 3) + 0.3 * std::sin((x + y) * 11);
        const double t = 0.5 + fold / 3.8;
        return mix(QColor(70, 40, 110), QColor(200, 170, 230), t * t);
    });
}

void goldCoins(QImage& img) {
    {
        QPainter p(&img);
        QLinearGradient g(0, 0, 0, img.height());
        g.setColorAt(0, QColor(120, 84, 20));
        g.setColorAt(1, QColor(60, 40, 10));
        p.fillRect(img.rect(), g);
        p.setRenderHint(QPainter::Antialiasing);
        const double step = 120;
        for (int row = 0; row * step * 0.87 < img.height() + step; ++row) {
            for (int col = -1; col * step < img.width() + step; ++col) {
                const double cx = col * step + (row % 2 ? step / 2 : 0);
                const double cy = row * step * 0.87;
                const double r = step * 0.38;
                QRadialGradient coin(cx - r * 0.3, cy - r * 0.3, r * 1.4);
                coin.setColorAt(0, QColor(220, 180, 90, 70));
                coin.setColorAt(1, QColor(150, 110, 40, 40));
                p.setBrush(coin);
                p.setPen(QPen(QColor(230, 200, 120, 60), 3));
                p.drawEllipse(QPointF(cx, cy), r, r);
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(240, 210, 130, 40), 2));
                p.drawEllipse(QPointF(cx, cy), r * 0.78, r * 0.78);
            }
        }
    }
    vignette(img, 0.4);
}

void blueprint(QImage& img) {
    perPixel(img, [](double x, double y) {
        const double n = fractal(x * 3, y * 3, 4, 151);
        return mix(QColor(20, 58, 120), QColor(34, 84, 150), n);
    });
    QPainter p(&img);
    for (int x = 0; x < img.width(); x += 16) {
        p.setPen(QPen(QColor(180, 210, 255, x % 80 == 0 ? 70 : 28), x % 80 == 0 ? 2 : 1));
        p.drawLine(x, 0, x, img.height());
    }
    for (int y = 0; y < img.height(); y += 16) {
        p.setPen(QPen(QColor(180, 210, 255, y % 80 == 0 ? 70 : 28), y % 80 == 0 ? 2 : 1));
        p.drawLine(0, y, img.width(), y);
    }
}

// ---- the emblem: a gold coin on a small stack, drawn at any size ---------------------------

void drawCoin(QPainter& p, QPointF centre, double r) {
    QRadialGradient face(centre.x() - r * 0.35, centre.y() - r * 0.35, r * 1.5);
    face.setColorAt(0, QColor(255, 236, 150));
    face.setColorAt(0.55, QColor(232, 180, 48));
    face.setColorAt(1, QColor(168, 112, 18));
    p.setPen(QPen(QColor(120, 78, 10), std::max(1.0, r * 0.06)));
    p.setBrush(face);
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(QColor(150, 100, 16), std::max(1.0, r * 0.05)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r * 0.8, r * 0.8);
    // The letter C as an open arc.
    QPen letter(QColor(130, 84, 8), r * 0.2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(letter);
    const QRectF arc(centre.x() - r * 0.42, centre.y() - r * 0.42, r * 0.84, r * 0.84);
    p.drawArc(arc, 45 * 16, 270 * 16);
}

void drawEmblem(QPainter& p, const QRectF& box) {
    p.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(box.width(), box.height());
    const QPointF o(box.center().x() - s / 2, box.center().y() - s / 2);
    // Stack of coins seen edge-on, lower right.
    for (int i = 0; i < 4; ++i) {
        const QRectF disc(o.x() + s * 0.46, o.y() + s * (0.80 - i * 0.09), s * 0.46, s * 0.14);
        QLinearGradient side(disc.topLeft(), disc.topRight());
        side.setColorAt(0, QColor(176, 120, 24));
        side.setColorAt(0.5, QColor(240, 196, 80));
        side.setColorAt(1, QColor(150, 98, 14));
        p.setPen(QPen(QColor(110, 72, 8), std::max(1.0, s * 0.008)));
        p.setBrush(side);
        p.drawRoundedRect(disc, s * 0.2, s * 0.07);
    }
    drawCoin(p, QPointF(o.x() + s * 0.40, o.y() + s * 0.42), s * 0.34);
}

// ---- the composed pictures ------------------------------------------------------------------

bool save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage transparent(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage splashPicture() {
    // The start-up screen's picture panel is 6515 x 4000 twips (434 x 267 pixels).
    QImage image(434, 267, QImage::Format_RGB32);
    bokeh(image, QColor(12, 60, 96), QColor(6, 30, 54), QColor(250, 210, 120), 211);
    QPainter p(&image);
    drawEmblem(p, QRectF(262, 70, 160, 160));
    return image;
}

QImage mainPicture() {
    QImage image = transparent(160, 160);
    QPainter p(&image);
    drawEmblem(p, image.rect());
    return image;
}

QImage aboutPicture() {
    // A small badge: a house with a coin for a window, for the link picture.
    QImage image = transparent(96, 96);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath house;
    house.moveTo(48, 8);
    house.lineTo(88, 44);
    house.lineTo(78, 44);
    house.lineTo(78, 88);
    house.lineTo(18, 88);
    house.lineTo(18, 44);
    house.lineTo(8, 44);
    house.closeSubpath();
    QLinearGradient g(0, 8, 0, 88);
    g.setColorAt(0, QColor(60, 150, 110));
    g.setColorAt(1, QColor(20, 90, 70));
    p.setPen(QPen(QColor(14, 60, 46), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(house);
    drawCoin(p, QPointF(48, 60), 18);
    return image;
}

// A tool screen's own picture for the stored background "Image": soft lights in the screen's
// colours, with its emblem faint in the lower right.
QImage designPicture(QColor top, QColor bottom, QColor light, std::uint32_t seed,
                     const QImage& emblem) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    bokeh(image, top, bottom, light, seed);
    QPainter p(&image);
    p.setOpacity(0.35);
    const int side = kHeight / 2;
    p.drawImage(QRect(kWidth - side - kHeight / 12, kHeight - side - kHeight / 12, side, side),
                emblem);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: coinwell_make_art <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        return 1;
    }

    using Painter = void (*)(QImage&);
    const Painter wallpapers[16] = {
        oceanWaves,
        marble,
        wood,
        linen,
        sunset,
        [](QImage& i) {
            bokeh(i, QColor(20, 70, 40), QColor(6, 34, 20), QColor(200, 240, 160), 61);
        },
        slateClouds,
        parchment,
        hexagons,
        pastelStripes,
        aurora,
        dunes,
        granite,
        silk,
        goldCoins,
        blueprint,
    };
    bool ok = true;
    for (int i = 0; i < 16; ++i) {
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        wallpapers[i](image);
        ok &= save(image, folder.filePath(QStringLiteral("WP%1.jpg").arg(i + 1)), "JPG", 88);
    }
    ok &= save(mainPicture(), folder.filePath("MainPicture.png"), "PNG");
    ok &= save(splashPicture(), folder.filePath("Splash.png"), "PNG");
    {
        QImage emblem = transparent(64, 64);
        QPainter p(&emblem);
        drawEmblem(p, emblem.rect());
        p.end();
        ok &= save(emblem, folder.filePath("Emblem.png"), "PNG");
    }
    ok &= save(aboutPicture(), folder.filePath("AboutPicture.png"), "PNG");
    // The tool screens' design pictures, named after the screens.
    const QImage coin = mainPicture();
    ok &= save(designPicture(QColor(24, 64, 120), QColor(8, 26, 60), QColor(160, 200, 255), 17,
                             coin),
               folder.filePath("LoanSheet.jpg"), "JPG", 90);
    ok &= save(designPicture(QColor(30, 92, 56), QColor(10, 40, 24), QColor(210, 240, 170), 29,
                             coin),
               folder.filePath("Budget1.jpg"), "JPG", 90);
    ok &= save(designPicture(QColor(70, 76, 90), QColor(28, 30, 38), QColor(220, 220, 235), 41,
                             coin),
               folder.filePath("SciCalc.jpg"), "JPG", 90);
    ok &= save(designPicture(QColor(120, 70, 30), QColor(54, 28, 10), QColor(255, 220, 160), 53,
                             aboutPicture()),
               folder.filePath("HomeCalc.jpg"), "JPG", 90);
    {
        QImage icon = transparent(256, 256);
        QPainter p(&icon);
        drawEmblem(p, QRectF(8, 8, 240, 240));
        p.end();
        ok &= save(icon, folder.filePath("coinwell.png"), "PNG");
    }
    return ok ? 0 : 1;
}
