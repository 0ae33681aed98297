// Reads back what the program shows and plays, for the end-to-end scripts:
// colours and pictures in screenshots, clicks in the sound it wrote and notes
// in the sound it played.
//
//   e2e_probe pixel IMAGE X Y                      colour as R,G,B
//   e2e_probe count IMAGE X Y W H R,G,B [TOL]      pixels of that colour in a rectangle
//   e2e_probe bbox IMAGE X Y W H R,G,B [TOL]       their bounding box "x0 y0 x1 y1", or "none"
//   e2e_probe runs IMAGE X Y0 Y1 R,G,B [TOL]       "top bottom" of each run of other colours
//                                                  down one column
//   e2e_probe differ IMAGE1 IMAGE2 X Y W H         number of differing pixels in a rectangle
//   e2e_probe find IMAGE X Y W H PICTURE           where the picture shows best inside
//                                                  the rectangle: "left top agreeing opaque"
//   e2e_probe grid IMAGE X Y COLUMNS ROWS L=PICTURE ...
//                                                  names each cell of a grid of pictures
//   e2e_probe onsets SOUND GAP_MS                  start of each click in milliseconds
//   e2e_probe notes RECORDING                      "start_ms pitch_hz" of each plucked note
//   e2e_probe clicks RECORDING GAP_MS              "start_ms centroid_hz" of each click
//
// Pictures are compared by their opaque pixels only, each allowed to differ by
// 8 in a channel.
// TOL is the largest difference allowed in any one colour channel (default 0).
// grid cuts the rectangle at X, Y into COLUMNS x ROWS cells of the pictures'
// size and prints one line per row with, for each cell, the letter L of the
// picture it matches best (searched within two pixels of the cell's place, so
// that rounding of the layout does not matter). SOUND is what the program wrote
// through SDL's disk driver: interleaved 32-bit floats, two channels, 48 000
// frames a second; a click starts where the level first reaches a tenth of the
// loudest sample after at least GAP_MS of quiet. RECORDING is what parecord
// took from a sound server's monitor: 32-bit floats, one channel, 48 000
// frames a second. A note starts where the sound turns much brighter; its
// pitch is that of the string newly struck there, measured until the next
// note starts, so that the strings of a strum 30 ms apart are told apart even
// while the earlier ones ring on. A click in a recording starts as in SOUND;
// its spectral centroid, the mean of the frequencies weighted by their
// magnitude, is taken over the ClickWindow samples from its start.

#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int SoundRate = 48000;
constexpr int SoundChannels = 2;
constexpr int PlaceSlack = 2;

[[noreturn]] void fail(const char* message)
{
    std::fprintf(stderr, "e2e_probe: %s\n", message);
    std::exit(2);
}

QImage load(const char* path)
{
    QImage image(QString::fromLocal8Bit(path));
    if (image.isNull())
        fail("cannot read the picture");
    return image.convertToFormat(QImage::Format_ARGB32);
}

int number(const char* text)
{
    bool ok = false;
    const int value = QString::fromLatin1(text).toInt(&ok);
    if (!ok)
        fail("a number was expected");
    return value;
}

QRgb colour(const char* text)
{
    const QStringList parts = QString::fromLatin1(text).split(QLatin1Char(','));
    if (parts.size() != 3)
        fail("a colour is written R,G,B");
    return qRgb(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QRect area(const QImage& image, char** at)
{
    return QRect(number(at[0]), number(at[1]), number(at[2]), number(at[3])) & image.rect();
}

template <typename Visit> void eachMatch(const QImage& image, QRect r, QRgb c, int tol, Visit visit)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (near(image.pixel(x, y), c, tol))
                visit(x, y);
}

int pixel(char** argv)
{
    const QImage image = load(argv[0]);
    const QPoint p(number(argv[1]), number(argv[2]));
    if (!image.rect().contains(p))
        fail("the point lies outside the picture");
    const QRgb c = image.pixel(p);
    std::printf("%d,%d,%d\n", qRed(c), qGreen(c), qBlue(c));
    return 0;
}

int count(int argc, char** argv)
{
    const QImage image = load(argv[0]);
    long found = 0;
    eachMatch(image, area(image, argv + 1), colour(argv[5]), argc > 6 ? number(argv[6]) : 0,
              [&](int, int) { ++found; });
    std::printf("%ld\n", found);
    return 0;
}

int bbox(int argc, char** argv)
{
    const QImage image = load(argv[0]);
    QRect box;
    eachMatch(image, area(image, argv + 1), colour(argv[5]), argc > 6 ? number(argv[6]) : 0,
              [&](int x, int y) { box |= QRect(x, y, 1, 1); });
    if (box.isNull())
        std::printf("none\n");
    else
        std::printf("%d %d %d %d\n", box.left(), box.top(), box.right(), box.bottom());
    return 0;
}

int runs(int argc, char** argv)
{
    const QImage image = load(argv[0]);
    const int x = number(argv[1]);
    const int from = std::max(0, number(argv[2]));
    const int to = std::min(image.height() - 1, number(argv[3]));
    const QRgb background = colour(argv[4]);
    const int tol = argc > 5 ? number(argv[5]) : 0;
    if (x < 0 || x >= image.width())
        fail("the column lies outside the picture");
    std::optional<int> start;
    for (int y = from; y <= to + 1; ++y) {
        const bool other = y <= to && !near(image.pixel(x, y), background, tol);
        if (other && !start)
            start = y;
        if (!other && start) {
            std::printf("%d %d\n", *start, y - 1);
            start.reset();
        }
    }
    return 0;
}

int differ(char** argv)
{
    const QImage a = load(argv[0]);
    const QImage b = load(argv[1]);
    const QRect r = area(a, argv + 2) & b.rect();
    long different = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            different += a.pixel(x, y) != b.pixel(x, y);
    std::printf("%ld\n", different);
    return 0;
}

// Pixels of the picture that agree with the screen when its top-left corner
// lies at (left, top); transparent pixels of the picture are not compared.
int agreement(const QImage& screen, const QImage& picture, int left, int top)
{
    int agree = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qAlpha(p) < 250)
                continue;
            const QPoint at(left + x, top + y);
            agree += screen.rect().contains(at) && near(screen.pixel(at), p, 8);
        }
    return agree;
}

int opaque(const QImage& picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += qAlpha(picture.pixel(x, y)) >= 250;
    return count;
}

int find(char** argv)
{
    const QImage screen = load(argv[0]);
    const QRect r = area(screen, argv + 1);
    const QImage picture = load(argv[5]);
    int best = -1;
    QPoint at;
    for (int y = r.top(); y + picture.height() <= r.bottom() + 1; ++y)
        for (int x = r.left(); x + picture.width() <= r.right() + 1; ++x) {
            const int agree = agreement(screen, picture, x, y);
            if (agree > best) {
                best = agree;
                at = QPoint(x, y);
            }
        }
    if (best < 0)
        fail("the picture does not fit in the rectangle");
    std::printf("%d %d %d %d\n", at.x(), at.y(), best, opaque(picture));
    return 0;
}

int grid(int argc, char** argv)
{
    const QImage screen = load(argv[0]);
    const int left = number(argv[1]);
    const int top = number(argv[2]);
    const int columns = number(argv[3]);
    const int rows = number(argv[4]);
    struct Candidate
    {
        char letter;
        QImage picture;
    };
    std::vector<Candidate> candidates;
    for (int i = 5; i < argc; ++i) {
        if (std::strlen(argv[i]) < 3 || argv[i][1] != '=')
            fail("a picture is given as LETTER=FILE");
        candidates.push_back({argv[i][0], load(argv[i] + 2)});
    }
    if (candidates.empty())
        fail("no pictures to compare with");
    const QSize cell = candidates.front().picture.size();
    for (int row = 0; row < rows; ++row) {
        std::string line;
        for (int column = 0; column < columns; ++column) {
            const int x = left + column * cell.width();
            const int y = top + row * cell.height();
            int best = -1;
            char letter = '?';
            for (const Candidate& c : candidates)
                for (int dy = -PlaceSlack; dy <= PlaceSlack; ++dy)
                    for (int dx = -PlaceSlack; dx <= PlaceSlack; ++dx) {
                        const int agree = agreement(screen, c.picture, x + dx, y + dy);
                        if (agree > best) {
                            best = agree;
                            letter = c.letter;
                        }
                    }
            line += letter;
        }
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

int onsets(char** argv)
{
    QFile file(QString::fromLocal8Bit(argv[0]));
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read the sound");
    const QByteArray bytes = file.readAll();
    const double gapMs = number(argv[1]);
    const auto frames = std::size_t(bytes.size()) / (sizeof(float) * SoundChannels);
    std::vector<float> level(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        float loudest = 0;
        for (int c = 0; c < SoundChannels; ++c) {
            float sample;
            std::memcpy(&sample, bytes.constData() + (f * SoundChannels + c) * sizeof(float),
                        sizeof sample);
            loudest = std::max(loudest, std::isfinite(sample) ? std::abs(sample) : 0.0f);
        }
        level[f] = loudest;
    }
    const float peak = frames ? *std::max_element(level.begin(), level.end()) : 0.0f;
    if (peak <= 0)
        return 0;
    const auto gap = std::size_t(gapMs * SoundRate / 1000);
    std::optional<std::size_t> lastLoud;
    for (std::size_t f = 0; f < frames; ++f) {
        if (level[f] < peak / 10)
            continue;
        if (!lastLoud || f - *lastLoud > gap)
            std::printf("%.3f\n", double(f) * 1000 / SoundRate);
        lastLoud = f;
    }
    return 0;
}

// A recording of the sound server's monitor: 32-bit floats, one channel,
// 48 000 frames a second.
std::vector<float> recording(const char* path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read the recording");
    const QByteArray bytes = file.readAll();
    std::vector<float> sound(std::size_t(bytes.size()) / sizeof(float));
    std::memcpy(sound.data(), bytes.constData(), sound.size() * sizeof(float));
    for (float& s : sound)
        s = std::isfinite(s) ? s : 0.0f;
    return sound;
}

// The sound's change from one frame to the next: a fresh pluck is bright,
// while strings that have rung for a while have lost their high partials, so
// this brings out each new string over the ones still sounding.
std::vector<float> brightness(const std::vector<float>& sound)
{
    std::vector<float> change(sound.size());
    for (std::size_t i = 1; i < sound.size(); ++i)
        change[i] = sound[i] - sound[i - 1];
    return change;
}

// Where notes start, in frames: each place where the bright energy of the
// next NoteWindow is well above that of the NoteWindow before, keeping the
// strongest such rise within a window. The window is longer than a period of
// the lowest string, so that the energy of a ringing string is steady in it.
constexpr std::size_t Hop = SoundRate / 1000;
constexpr std::size_t NoteWindow = 12 * Hop;
constexpr double NoteRise = 1.7;

std::vector<std::size_t> noteStarts(const std::vector<float>& change)
{
    std::vector<double> energy(change.size() / Hop);
    for (std::size_t k = 0; k < energy.size(); ++k)
        for (std::size_t i = k * Hop; i < (k + 1) * Hop; ++i)
            energy[k] += double(change[i]) * change[i];
    const std::size_t w = NoteWindow / Hop;
    std::vector<double> before(energy.size()), after(energy.size());
    double loudest = 0;
    for (std::size_t k = w; k + w <= energy.size(); ++k) {
        before[k] = std::accumulate(energy.begin() + long(k - w), energy.begin() + long(k), 0.0);
        after[k] = std::accumulate(energy.begin() + long(k), energy.begin() + long(k + w), 0.0);
        loudest = std::max(loudest, after[k]);
    }
    // Quiet below a thousandth of the loudest window does not count as sound.
    const double floor = loudest / 1000;
    std::vector<double> rise(energy.size());
    for (std::size_t k = 0; k < energy.size(); ++k)
        rise[k] = after[k] > floor ? after[k] / std::max(before[k], floor) : 0.0;
    std::vector<std::size_t> starts;
    for (std::size_t k = 0; k < rise.size(); ++k) {
        if (rise[k] < NoteRise)
            continue;
        const std::size_t from = k >= w ? k - w : 0;
        const std::size_t to = std::min(rise.size(), k + w + 1);
        if (std::max_element(rise.begin() + long(from), rise.begin() + long(to)) ==
            rise.begin() + long(k))
            starts.push_back(k * Hop);
    }
    return starts;
}

// The lag of the highest value near a lag, refined between frames by a parabola.
template <typename Value> double refinedLag(Value value, int lag)
{
    const double a = value(lag - 1), b = value(lag), c = value(lag + 1);
    const double bend = a - 2 * b + c;
    return bend == 0 ? lag : lag + 0.5 * (a - c) / bend;
}

// Periods searched for, in frames: from 1500 Hz down to 75 Hz.
constexpr int ShortestPeriod = SoundRate / 1500;
constexpr int LongestPeriod = SoundRate / 75;
constexpr double OctaveAgreement = 0.6;

// The period, in frames, of the string struck at frame `start`, heard until
// `end` and over whatever already rang from `previous` on. A plucked string
// first plays a burst of noise as long as its period and then repeats it, so
// the bright sound after the start agrees with itself one period later; the
// same agreement measured just before the start, where only the older strings
// sound, is taken away, so that their periods do not count.
double newPeriod(const std::vector<float>& change, std::optional<std::size_t> previous,
                 std::size_t start, std::size_t end)
{
    const std::size_t margin = 2 * Hop;
    const std::size_t span = previous ? std::min(end - start, start - *previous) : end - start;
    if (span < LongestPeriod + 2 * margin + 8 * Hop)
        fail("a note is too short to measure");
    const std::size_t length = span - LongestPeriod - 2 * margin;
    const auto agreement = [&](std::size_t from, int lag) {
        double sum = 0;
        for (std::size_t i = from; i < from + length; ++i)
            sum += double(change[i]) * change[i + std::size_t(lag)];
        return sum;
    };
    const auto value = [&](int lag) {
        const double after = agreement(start + margin, lag);
        return previous ? after - agreement(start - margin - length - LongestPeriod, lag) : after;
    };
    const auto highest = [&](int from, int to) {
        int best = from;
        for (int lag = from + 1; lag <= to; ++lag)
            if (value(lag) > value(best))
                best = lag;
        return best;
    };
    int best = highest(ShortestPeriod, LongestPeriod);
    // Twice the period agrees almost as well as the period itself, and better
    // when a string an octave below rings on (or the old strings' noise bursts
    // resemble the new one's): when half the best lag agrees nearly as well,
    // it is the period.
    const int half = highest(std::max(ShortestPeriod, best / 2 - 2), best / 2 + 2);
    if (value(half) >= OctaveAgreement * value(best))
        best = half;
    return refinedLag(value, best);
}

int notes(char** argv)
{
    const std::vector<float> sound = recording(argv[0]);
    const std::vector<float> change = brightness(sound);
    const std::vector<std::size_t> starts = noteStarts(change);
    for (std::size_t n = 0; n < starts.size(); ++n) {
        const std::optional<std::size_t> previous = n ? std::optional(starts[n - 1]) : std::nullopt;
        const std::size_t end = n + 1 < starts.size() ? starts[n + 1] : change.size();
        const std::size_t limit = std::min(end, starts[n] + 4 * LongestPeriod);
        std::printf("%.1f %.2f\n", double(starts[n]) * 1000 / SoundRate,
                    SoundRate / newPeriod(change, previous, starts[n], limit));
    }
    return 0;
}

} // namespace

constexpr std::size_t ClickWindow = 512;

double spectralCentroid(const std::vector<float>& sound, std::size_t from)
{
    std::vector<double> windowed(ClickWindow);
    for (std::size_t i = 0; i < ClickWindow && from + i < sound.size(); ++i)
        windowed[i] = sound[from + i] * (0.5 - 0.5 * std::cos(2 * M_PI * double(i) / ClickWindow));
    double weighted = 0, total = 0;
    for (std::size_t k = 1; k < ClickWindow / 2; ++k) {
        double re = 0, im = 0;
        for (std::size_t i = 0; i < ClickWindow; ++i) {
            re += windowed[i] * std::cos(2 * M_PI * double(k * i) / ClickWindow);
            im -= windowed[i] * std::sin(2 * M_PI * double(k * i) / ClickWindow);
        }
        const double magnitude = std::hypot(re, im);
        weighted += magnitude * double(k) * SoundRate / ClickWindow;
        total += magnitude;
    }
    return total > 0 ? weighted / total : 0;
}

int clicks(char** argv)
{
    const std::vector<float> sound = recording(argv[0]);
    const auto gap = std::size_t(number(argv[1]) * SoundRate / 1000);
    float peak = 0;
    for (float s : sound)
        peak = std::max(peak, std::abs(s));
    std::optional<std::size_t> lastLoud;
    for (std::size_t i = 0; peak > 0 && i < sound.size(); ++i) {
        if (std::abs(sound[i]) < peak / 10)
            continue;
        if (!lastLoud || i - *lastLoud > gap)
            std::printf("%.3f %.0f\n", double(i) * 1000 / SoundRate, spectralCentroid(sound, i));
        lastLoud = i;
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc < 2)
        fail("usage: e2e_probe pixel|count|bbox|runs|differ|find|grid|onsets|notes|clicks ...");
    const std::string command = argv[1];
    const int rest = argc - 2;
    char** args = argv + 2;
    if (command == "pixel" && rest == 3)
        return pixel(args);
    if (command == "count" && (rest == 6 || rest == 7))
        return count(rest, args);
    if (command == "bbox" && (rest == 6 || rest == 7))
        return bbox(rest, args);
    if (command == "runs" && (rest == 5 || rest == 6))
        return runs(rest, args);
    if (command == "differ" && rest == 6)
        return differ(args);
    if (command == "find" && rest == 6)
        return find(args);
    if (command == "grid" && rest >= 6)
        return grid(rest, args);
    if (command == "onsets" && rest == 2)
        return onsets(args);
    if (command == "notes" && rest == 1)
        return notes(args);
    if (command == "clicks" && rest == 2)
        return clicks(args);
    fail("unknown command or wrong number of arguments");
}
