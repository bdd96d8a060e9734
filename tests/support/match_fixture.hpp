// Teams, statistics, damage and a message recorder, as a match hands them to the physics components.
#pragma once

#include "model/u_data_teams.hpp"
#include "model/u_statistics.hpp"
#include "physics/u_physics_damage.hpp"
#include "physics/u_physics_messages.hpp"
#include "resources/u_diagnostics.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TRecordedMessages final : public TMessageSink {
public:
    void add(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

class MatchFixture : public testing::Test {
protected:
    MatchFixture(int nbTeams = 4, int nbTumboks = 3) {
        const TDiagnosticCapture quiet; // flag pictures may be missing from the test data
        teams = std::make_unique<TTeamsManager>(nbTeams, nbTumboks, 0);
        statistics.reset(nbTeams);
        damage = std::make_unique<TDamage>(*teams, statistics);
    }

    TTumbok& tumbok(int team, int number) { return teams->teams.at(team).tumboks.at(number); }
    const TTeamSTats& stats(int team) const { return statistics.data.teams.at(team); }

    // Every tumbok far from where the test acts, until the test brings some closer.
    void sendEveryoneAway() {
        for (TTeam& team : teams->teams) {
            for (TTumbok& t : team.tumboks) {
                t.position = vector(-10000, -10000);
            }
        }
    }

    std::unique_ptr<TTeamsManager> teams;
    TStatistics statistics;
    std::unique_ptr<TDamage> damage;
    TRecordedMessages messages;
};
