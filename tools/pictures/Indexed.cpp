// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "Indexed.h"

#include <algorithm>
#include <climits>
#include <map>
#include <unordered_map>
#include <vector>

namespace art {
namespace {

struct Bucket {
    QRgb colour;
    qint64 count;
};

int Channel(QRgb c, int axis) {
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// A box of the median cut: a run of buckets sorted along its widest channel.
struct Box {
    std::vector<Bucket> buckets;

    int Range(int axis) const {
        int lo = 255, hi = 0;
        for (const Bucket& b : buckets) {
            lo = std::min(lo, Channel(b.colour, axis));
            hi = std::max(hi, Channel(b.colour, axis));
        }
        return hi - lo;
    }
    int WidestAxis() const {
        int best = 0;
        for (int axis = 1; axis < 3; ++axis)
            if (Range(axis) > Range(best)) best = axis;
        return best;
    }
    qint64 Weight() const {
        qint64 sum = 0;
        for (const Bucket& b : buckets) sum += b.count;
        return sum;
    }
    // How much splitting this box would help: big, spread-out boxes first.
    qint64 Priority() const {
        return buckets.size() < 2 ? -1 : Weight() * Range(WidestAxis());
    }
    QRgb Mean() const {
        double r = 0, g = 0, b = 0, n = 0;
        for (const Bucket& k : buckets) {
            r += qRed(k.colour) * double(k.count);
            g += qGreen(k.colour) * double(k.count);
            b += qBlue(k.colour) * double(k.count);
            n += double(k.count);
        }
        return qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5));
    }
};

std::pair<Box, Box> Split(Box box) {
    const int axis = box.WidestAxis();
    std::stable_sort(box.buckets.begin(), box.buckets.end(), [axis](const Bucket& a, const Bucket& b) {
        return Channel(a.colour, axis) < Channel(b.colour, axis);
    });
    const qint64 half = box.Weight() / 2;
    qint64 running = 0;
    size_t cut = 1;
    for (; cut < box.buckets.size() - 1; ++cut) {
        running += box.buckets[cut - 1].count;
        if (running >= half) break;
    }
    Box low{{box.buckets.begin(), box.buckets.begin() + long(cut)}};
    Box high{{box.buckets.begin() + long(cut), box.buckets.end()}};
    return {low, high};
}

std::map<QRgb, qint64> Histogram(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, qint64> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) ++counts[line[x] | 0xff000000u];
    }
    return counts;
}

}  // namespace

QList<QRgb> ChoosePalette(const QImage& picture, int maxColours) {
    const std::map<QRgb, qint64> counts = Histogram(picture);
    QList<QRgb> palette;
    if (int(counts.size()) <= maxColours) {
        for (const auto& [colour, count] : counts) palette.append(colour);
        return palette;
    }
    std::vector<Box> boxes(1);
    for (const auto& [colour, count] : counts) boxes[0].buckets.push_back({colour, count});
    while (int(boxes.size()) < maxColours) {
        auto widest = std::max_element(boxes.begin(), boxes.end(),
                                       [](const Box& a, const Box& b) { return a.Priority() < b.Priority(); });
        if (widest->Priority() < 0) break;
        auto [low, high] = Split(*widest);
        *widest = std::move(low);
        boxes.push_back(std::move(high));
    }
    for (const Box& box : boxes) palette.append(box.Mean());
    return palette;
}

int NearestIndex(const QList<QRgb>& palette, QRgb colour) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QImage ToIndexed(const QImage& picture, int maxColours) {
    const QList<QRgb> palette = ChoosePalette(picture, maxColours);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    std::unordered_map<QRgb, int> cache;
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = in[x] | 0xff000000u;
            auto hit = cache.find(colour);
            if (hit == cache.end()) hit = cache.emplace(colour, NearestIndex(palette, colour)).first;
            out[x] = uchar(hit->second);
        }
    }
    return indexed;
}

}  // namespace art
