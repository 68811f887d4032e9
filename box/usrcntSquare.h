#pragma once
#include <cstdint>

#include "cell/usrcntBlock.h"
#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Event.h"

// One 3x3 box of cells. Its container, the board window, calls Clear, fixIt,
// SetCol and SetRow; the box passes them on to its cells. A pick in one of its
// cells reaches the other eight, then the box raises Chosen to the board with the
// cell's index in front. Cell k lies in row k / 3 and column k % 3. The box keeps
// no state of its own: it all lives in the cells.
class usrcntSquare {
public:
    explicit usrcntSquare(ui::BoxControls& controls);
    usrcntSquare(const usrcntSquare&) = delete;
    usrcntSquare& operator=(const usrcntSquare&) = delete;

    void Clear();
    void fixIt(bool fixIt);
    void SetCol(std::int16_t col, std::int16_t btnIndex, bool setIt);
    void SetRow(std::int16_t row, std::int16_t btnIndex, bool setIt);

    const usrcntBlock& cell(std::int16_t index) const { return usrcntSquare_(index); }
    // The history freezes the cells it brings back one by one, as only fixIt on a cell can.
    usrcntBlock& cell(std::int16_t index) { return usrcntSquare_(index); }

    // (squareIndex, btnIndex, setIt)
    ui::Event<std::int16_t, std::int16_t, bool> Chosen;

    void usrcntSquare_Chosen(std::int16_t index, std::int16_t btnIndex, bool setIt);

private:
    // The cells' control array bears the class's own name, which C++ does not
    // allow a member to have; hence the trailing underscore.
    ui::ControlArray<usrcntBlock> usrcntSquare_;
};
