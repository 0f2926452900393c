#include "shop/Weapon.h"

Weapon::Weapon(std::string name, int cost, int firerate, int bulletFrame, int bulletDamage,
               float power, int iconFrame)
    : cost(cost),
      sell(0),
      firerate(firerate),
      bulletFrame(bulletFrame),
      iconFrame(iconFrame),
      bulletDamage(bulletDamage),
      power(power),
      name(name)
{
    reset();
}

void Weapon::reset()
{
    sell = cost / 5;
    description[0].clear();
    description[1].clear();
}

std::string Weapon::getDescription(int line) const
{
    return line == 0 || line == 1 ? description[line] : std::string();
}

void Weapon::setDescription(int line, std::string text)
{
    if (line == 0 || line == 1)
        description[line] = text;
}
