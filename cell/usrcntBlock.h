#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "ui/Controls.h"
#include "ui/Event.h"

// One cell of the board: nine candidate buttons over a digit label, a counter of
// bars for every candidate, and whether the player has picked (isSet) and frozen
// (isFixed) it. Its box calls Clear, fixIt and setIt; the cell answers a click on
// one of its buttons by raising Chosen to the box. It never addresses another
// cell and does not know where on the board it stands.
class usrcntBlock {
public:
    explicit usrcntBlock(ui::CellControls& controls);
    usrcntBlock(const usrcntBlock&) = delete;
    usrcntBlock& operator=(const usrcntBlock&) = delete;

    void Clear();
    void fixIt(bool fixIt);
    void setIt(std::int16_t index, bool setIt);

    // How many bars stand on a candidate, read-only, so that checks from outside
    // (the fuzzer) can hold the counters to what the picks around the cell imply.
    std::int16_t barsOn(std::int16_t index) const { return blockCount.at(index); }
    // Whether the player has picked in this cell, and frozen the pick, read-only, so
    // that the history can tell what an action changed and what undoing it restores.
    bool hasPick() const { return isSet; }
    bool isFrozen() const { return isFixed; }
    // The candidate picked, or -1 without a pick: what the history keeps, a copy
    // of the board gives and Delete takes back.
    std::int16_t pick() const { return isSet ? highestFree() : std::int16_t{-1}; }

    // (btnIndex, setIt): the clicked candidate and the cell's new isSet.
    ui::Event<std::int16_t, bool> Chosen;

private:
    void refreshIt();
    // The cell does not store its pick: it is the highest candidate nothing bars
    // (0 when every candidate is barred).
    std::int16_t highestFree() const;
    void btnBlock_Click(std::int16_t index);
    void UserControl_Initialize();

    ui::Button& btnBlock(std::int16_t index) { return *buttons_.at(static_cast<std::size_t>(index)); }
    ui::Label& lbl() { return label_; }

    // The controls live as long as the cell, so they are looked up once: a pick
    // repaints 21 cells of nine buttons, and asking the front-end for each
    // button on every write was a fifth of a pick's cost.
    std::array<ui::Button*, 9> buttons_{};
    ui::Label& label_;
    // Element 9 serves no candidate; it is there because setIt accepts index 9.
    std::array<std::int16_t, 10> blockCount{};
    bool isSet = false;
    bool isFixed = false;
};
