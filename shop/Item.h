#ifndef SHOP_ITEM_H
#define SHOP_ITEM_H

#include <string>

// An upgrade bought level by level (or a repair bought again and again). clicks is the level
// bought so far; maxClicks + 1 means sold out. Text lines 0-2 show before the first purchase,
// 3-5 while levels remain, 6-8 once sold out; 9 and 10 are the fixed help text.
class Item {
public:
    static constexpr int kLines = 11;

    Item(std::string name, int cost, int iconFrame);

    // Level 0 of 10, 10 percent per level shown, every text line empty.
    void reset();
    // One level more, stopping at maxClicks + 1.
    void click();
    // Price of the next purchase: each level adds half the base price.
    int getCost() const;
    // Lines 0-2 answer from the group of the current level; 9 and 10 as they are.
    std::string getDescription(int line) const;
    // clicks x percentage followed by "%" while levels remain and the figure is shown.
    std::string getPercentageString() const;

    int getClicks() const { return clicks; }
    void setClicks(int value) { clicks = value; }
    int getMaxClicks() const { return maxClicks; }
    void setMaxClicks(int value) { maxClicks = value; }
    int getPercentage() const { return percentage; }
    void setPercentage(int value) { percentage = value; }
    bool getEnablePercentage() const { return enablePercentage; }
    void setEnablePercentage(bool value) { enablePercentage = value; }
    int getIconFrame() const { return iconFrame; }
    std::string getName() const { return name; }
    void setDescription(int line, std::string text);

private:
    int clicks;
    int maxClicks;
    int cost;
    int iconFrame;
    int percentage;
    bool enablePercentage;
    std::string name;
    std::string description[kLines];
};

#endif
