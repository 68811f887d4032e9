// How many keys a pick takes from a random focus on the boards of a random
// game, some with fixed cells: by the board's keys, a move to the cell and its
// digit; by Tab alone, Tab and Shift+Tab to the candidate and Space. The fewest
// keys are found by a search over every focus the keys reach.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <queue>
#include <random>
#include <vector>

#include "support/RandomPlayer.h"
#include "support/ReferenceModel.h"
#include "ui/KeyMoves.h"

using support::PlayerAction;
using ui::BoardFocus;
using ui::Key;

namespace {

// The board as the reference model predicts it shows.
class ModelBoard final : public ui::ShownBoard {
public:
    explicit ModelBoard(const support::ReferenceModel& model) : model_(model), shown_(model.visibleState()) {}
    bool shown(std::int16_t cell, std::int16_t i) const override { return button(cell, i).visible; }
    bool barred(std::int16_t cell, std::int16_t i) const override { return !button(cell, i).enabled; }
    std::int16_t pick(std::int16_t cell) const override
    {
        return static_cast<std::int16_t>(model_.picked(ui::rowColumnAt(cell)));
    }

private:
    const support::ButtonState& button(std::int16_t cell, std::int16_t i) const
    {
        return shown_.at(ui::rowColumnAt(cell)).btnBlock.at(static_cast<std::size_t>(i));
    }
    const support::ReferenceModel& model_;
    support::BoardState shown_;
};

// The fewest keys from `from` to a focus that `done` accepts, over the focus on
// the board and the three commands that Tab passes through between its ends.
template <class Done>
int fewestKeys(const ui::ShownBoard& board, BoardFocus from, const std::vector<Key>& keys, Done done)
{
    constexpr int commands = 810;
    const auto node = [](BoardFocus f) { return f.cell * 10 + f.candidate + 1; };
    const auto focusOf = [](int n) {
        return BoardFocus{static_cast<std::int16_t>(n / 10), static_cast<std::int16_t>(n % 10 - 1)};
    };
    std::array<int, commands + 3> distance;
    distance.fill(-1);
    std::queue<int> next;
    distance.at(node(from)) = 0;
    next.push(node(from));
    while (!next.empty()) {
        const int at = next.front();
        next.pop();
        if (at < commands && done(focusOf(at)))
            return distance.at(at);
        for (const Key key : keys) {
            int to = -1;
            if (at >= commands) { // Tab and Shift+Tab go on through the commands
                const int n = at - commands + (key == Key::Next ? 1 : key == Key::Previous ? -1 : 9);
                to = n == 3    ? node(ui::firstStop(board, {}))
                     : n == -1 ? node(ui::lastStop(board, {}))
                     : n < 3   ? commands + n
                               : -1;
            } else {
                const ui::KeyAnswer answer = ui::answerKey(board, focusOf(at), key);
                to = answer.leaves == 1 ? commands : answer.leaves == -1 ? commands + 2 : node(answer.focus);
            }
            if (to >= 0 && distance.at(to) == -1) {
                distance.at(to) = distance.at(at) + 1;
                next.push(to);
            }
        }
    }
    return -1;
}

void line(const char* what, const char* figure, const char* budget, const char* verdict)
{
    std::printf("%-52s %30s %15s  %s\n", what, figure, budget, verdict);
}

} // namespace

int main()
{
    const std::vector<Key> moves{Key::Left,   Key::Right,      Key::Up,       Key::Down, Key::RowStart,
                                 Key::RowEnd, Key::BoardStart, Key::BoardEnd, Key::Next, Key::Previous};
    const std::vector<Key> tabs{Key::Next, Key::Previous};
    support::ReferenceModel model;
    support::RandomPlayer player(20261209u);
    std::mt19937 random(7u);
    int picks = 0, withFixed = 0, keysWorst = 0, tabsWorst = 0;
    long keysTotal = 0, tabsTotal = 0;
    for (int step = 0; picks < 1000; ++step) {
        const PlayerAction action = player.next(model);
        const bool isPick =
            action.kind == PlayerAction::Kind::Click && !model.isPicked(action.pos) && !model.isFixed(action.pos);
        if (isPick && step % 5 == 0) {
            const ModelBoard board(model);
            std::vector<BoardFocus> stops;
            for (std::int16_t cell = 0; cell < 81; ++cell)
                stops.push_back(ui::landIn(board, cell, BoardFocus::itself));
            const BoardFocus from = stops.at(random() % stops.size());
            const auto cell = static_cast<std::int16_t>(action.pos.row * 9 + action.pos.column);
            const BoardFocus target{cell, static_cast<std::int16_t>(action.candidate)};
            const int byKeys = fewestKeys(board, from, moves, [&](BoardFocus f) { return f.cell == cell; }) + 1;
            const int byTabs = fewestKeys(board, from, tabs, [&](BoardFocus f) { return f == target; }) + 1;
            if (byKeys <= 0 || byTabs <= 0) {
                std::fprintf(stderr, "key_planner: a pick the keys cannot reach\n");
                return 1;
            }
            keysTotal += byKeys;
            tabsTotal += byTabs;
            keysWorst = std::max(keysWorst, byKeys);
            tabsWorst = std::max(tabsWorst, byTabs);
            withFixed += model.pickCount() > 0 &&
                         std::ranges::any_of(support::everyRowColumn, [&](auto pos) { return model.isFixed(pos); });
            ++picks;
        }
        model.perform(action);
    }
    char mean[32], worst[32], byTab[48];
    std::snprintf(mean, sizeof mean, "%.2f keys", static_cast<double>(keysTotal) / picks);
    std::snprintf(worst, sizeof worst, "%d keys", keysWorst);
    std::snprintf(byTab, sizeof byTab, "%.1f, %d at worst", static_cast<double>(tabsTotal) / picks, tabsWorst);
    const bool meanWithin = keysTotal <= 5L * picks, worstWithin = keysWorst <= 9;
    line("a pick by the keys, from anywhere: mean", mean, "5 keys", meanWithin ? "ok" : "OVER");
    line("  at worst", worst, "9 keys", worstWithin ? "ok" : "OVER");
    std::printf("  the same by Tab alone: %s (%d picks, %d on boards with fixed cells)\n", byTab, picks, withFixed);
    return meanWithin && worstWithin ? 0 : 1;
}
