// The one place where tumboks lose health, die and are pushed by blasts, and where kills are counted.
#pragma once

#include "model/u_data_objects.hpp"

class TStatistics;
class TTeamsManager;

class TDamage {
public:
    TDamage(TTeamsManager& teams, TStatistics& statistics);

    // Kills the tumbok when its health reaches 0; a dead tumbok is not hurt again.
    void hurt(TTumbokLocation location, int amount);
    // Counted once, for the team on turn, when a living tumbok dies; a dead one stays dead without a new
    // kill.
    void kill(TTumbokLocation location);
    // Pushes and hurts every living tumbok whose corner lies closer than radius to the centre.
    void blast(TVector centre, int radius, int push, int strength);

    TStatistics& statistics;
    TTeamsManager& teams;

private:
    void die(TTumbok& tumbok);
};
