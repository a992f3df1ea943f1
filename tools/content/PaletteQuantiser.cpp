#include "PaletteQuantiser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace content {

namespace {

struct Colour {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double Channel(int channel) const { return channel == 0 ? red : (channel == 1 ? green : blue); }
};

struct WeightedColour {
    Colour colour;
    double weight = 0.0;
};

// The eye is most sensitive to green and least to blue.
double Distance(const Colour& a, const Colour& b)
{
    const double red = a.red - b.red;
    const double green = a.green - b.green;
    const double blue = a.blue - b.blue;
    return 2.0 * red * red + 4.0 * green * green + 3.0 * blue * blue;
}

Colour ColourOf(std::uint32_t rgb)
{
    return {static_cast<double>((rgb >> 16) & 0xFF), static_cast<double>((rgb >> 8) & 0xFF),
            static_cast<double>(rgb & 0xFF)};
}

// A palette colour the loader keeps as it is: out of its magenta range and
// above the near-black it lifts.
std::uint32_t Keepable(const Colour& colour)
{
    const auto channel = [](double value) { return static_cast<std::uint32_t>(std::clamp(std::lround(value), 0L, 255L)); };
    std::uint32_t red = channel(colour.red);
    std::uint32_t green = channel(colour.green);
    std::uint32_t blue = channel(colour.blue);
    if (red >= 240 && green < 8 && blue >= 240)
        green = 8;
    if (red < 16 && green < 16 && blue < 16)
        red = green = blue = 16;
    return red << 16 | green << 8 | blue;
}

// A box of the median cut: a range of the colour list.
struct Box {
    std::size_t begin = 0;
    std::size_t end = 0;
    int channel = 0;
    double spread = 0.0; // the widest channel's range times the box's weight's root
};

Box Measure(const std::vector<WeightedColour>& colours, std::size_t begin, std::size_t end)
{
    Box box{begin, end, 0, 0.0};
    if (end - begin < 2)
        return box;
    std::array<double, 3> low{255.0, 255.0, 255.0};
    std::array<double, 3> high{0.0, 0.0, 0.0};
    double weight = 0.0;
    for (std::size_t index = begin; index < end; ++index) {
        for (int channel = 0; channel < 3; ++channel) {
            low[channel] = std::min(low[channel], colours[index].colour.Channel(channel));
            high[channel] = std::max(high[channel], colours[index].colour.Channel(channel));
        }
        weight += colours[index].weight;
    }
    // Green counts most, as in Distance.
    const std::array<double, 3> importance{1.4, 2.0, 1.7};
    for (int channel = 0; channel < 3; ++channel) {
        const double range = (high[channel] - low[channel]) * importance[channel];
        if (range > box.spread) {
            box.spread = range;
            box.channel = channel;
        }
    }
    box.spread *= std::sqrt(weight);
    return box;
}

} // namespace

PaletteQuantiser::PaletteQuantiser() : cells(std::size_t{1} << (3 * cellBits)), nearest(cells.size(), -1)
{
    colours.fill(keyColour);
}

void PaletteQuantiser::Build()
{
    std::vector<WeightedColour> used;
    for (const Cell& cell : cells) {
        if (cell.count == 0)
            continue;
        const double count = cell.count;
        used.push_back({{cell.red / count, cell.green / count, cell.blue / count}, count});
    }
    std::fill(nearest.begin(), nearest.end(), std::int16_t{-1});
    colourCount = 1;
    if (used.empty())
        return;

    // Median cut: split the widest box at its weighted median until there
    // are as many boxes as entries or none can be split.
    constexpr std::size_t entries = 255;
    std::vector<Box> boxes{Measure(used, 0, used.size())};
    while (boxes.size() < entries) {
        const auto widest = std::max_element(boxes.begin(), boxes.end(),
                                             [](const Box& a, const Box& b) { return a.spread < b.spread; });
        if (widest->spread <= 0.0)
            break;
        const Box box = *widest;
        const auto first = used.begin() + static_cast<std::ptrdiff_t>(box.begin);
        const auto last = used.begin() + static_cast<std::ptrdiff_t>(box.end);
        std::sort(first, last, [&box](const WeightedColour& a, const WeightedColour& b) {
            return a.colour.Channel(box.channel) < b.colour.Channel(box.channel);
        });
        double total = 0.0;
        for (auto it = first; it != last; ++it)
            total += it->weight;
        double running = 0.0;
        std::size_t split = box.begin;
        while (split < box.end - 1 && running + used[split].weight <= total / 2) {
            running += used[split].weight;
            ++split;
        }
        split = std::clamp(split, box.begin + 1, box.end - 1);
        *widest = Measure(used, box.begin, split);
        boxes.push_back(Measure(used, split, box.end));
    }

    std::vector<Colour> centres;
    for (const Box& box : boxes) {
        Colour sum;
        double weight = 0.0;
        for (std::size_t index = box.begin; index < box.end; ++index) {
            sum.red += used[index].colour.red * used[index].weight;
            sum.green += used[index].colour.green * used[index].weight;
            sum.blue += used[index].colour.blue * used[index].weight;
            weight += used[index].weight;
        }
        centres.push_back({sum.red / weight, sum.green / weight, sum.blue / weight});
    }

    // A few rounds of k-means move each entry to the mean of the colours
    // nearest to it, which median cut alone leaves off centre.
    std::vector<WeightedColour> sums(centres.size());
    for (int round = 0; round < 3; ++round) {
        std::fill(sums.begin(), sums.end(), WeightedColour{});
        for (const WeightedColour& colour : used) {
            std::size_t best = 0;
            double bestDistance = std::numeric_limits<double>::max();
            for (std::size_t index = 0; index < centres.size(); ++index) {
                const double distance = Distance(colour.colour, centres[index]);
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = index;
                }
            }
            sums[best].colour.red += colour.colour.red * colour.weight;
            sums[best].colour.green += colour.colour.green * colour.weight;
            sums[best].colour.blue += colour.colour.blue * colour.weight;
            sums[best].weight += colour.weight;
        }
        for (std::size_t index = 0; index < centres.size(); ++index) {
            if (sums[index].weight > 0.0) {
                const double weight = sums[index].weight;
                centres[index] = {sums[index].colour.red / weight, sums[index].colour.green / weight,
                                  sums[index].colour.blue / weight};
            }
        }
    }

    colours.fill(keyColour);
    for (const Colour& centre : centres)
        colours[static_cast<std::size_t>(colourCount++)] = Keepable(centre);
}

int PaletteQuantiser::Nearest(std::uint32_t rgb) const
{
    if (colourCount < 2)
        return 1;
    // The cell's mean colour when it has one, else the colour itself.
    const Cell& cell = cells[CellOf(rgb)];
    const Colour colour = cell.count > 0 ? Colour{static_cast<double>(cell.red) / cell.count,
                                                   static_cast<double>(cell.green) / cell.count,
                                                   static_cast<double>(cell.blue) / cell.count}
                                         : ColourOf(rgb);
    int best = 1;
    double bestDistance = std::numeric_limits<double>::max();
    for (int index = 1; index < colourCount; ++index) {
        const double distance = Distance(colour, ColourOf(colours[static_cast<std::size_t>(index)]));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = index;
        }
    }
    return best;
}

} // namespace content
