#include "shop/Item.h"

#include <sstream>

Item::Item(std::string name, int cost, int iconFrame)
    : clicks(0),
      maxClicks(10),
      cost(cost),
      iconFrame(iconFrame),
      percentage(10),
      enablePercentage(true),
      name(name)
{
    reset();
}

void Item::reset()
{
    clicks = 0;
    maxClicks = 10;
    percentage = 10;
    enablePercentage = true;
    for (std::string& line : description)
        line.clear();
}

void Item::click()
{
    if (clicks <= maxClicks)
        ++clicks;
}

int Item::getCost() const
{
    return cost + (cost / 2) * clicks;
}

std::string Item::getDescription(int line) const
{
    if (line < 0 || line >= kLines)
        return std::string();
    if (line > 8)
        return description[line];
    // Lines 0-2 are asked for; the group depends on the level.
    int shown = line;
    if (clicks > maxClicks)
        shown = line + 6;
    else if (clicks >= 1)
        shown = line + 3;
    return shown < kLines ? description[shown] : std::string();
}

std::string Item::getPercentageString() const
{
    if (!enablePercentage || clicks < 1 || clicks > maxClicks)
        return std::string();
    std::stringstream text;
    text << clicks * percentage << "%";
    return text.str();
}

void Item::setDescription(int line, std::string text)
{
    if (line >= 0 && line < kLines)
        description[line] = text;
}
