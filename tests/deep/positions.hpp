// Positions the deep search's tests share, in the position file's text.
#pragma once

namespace velmora::testing {

// The bottom side to move. The kings stand point-symmetric, so a king move
// of either side drags the other king; a bottom pawn, silver and knight are
// about to promote and each drags a top piece that stands on its mirror
// square; both sides hold pieces in hand.
inline constexpr const char* 王の鏡_下手番 = R"(# kings point-symmetric, promotions, hands
0    0    0    0    0    0    0    0    0
0    0    0    0  950    0    0    0    0
0    0    0    0    0    0    0    0    0
0    0  -10 -100    0    0    0    0    0
-20  0   30    0    0    0  -30    0   20
0    0    0    0    0  100   10    0    0
0    0    0    0    0    0    0    0 -900
0    0    0    0 -950 -110    0    0    0
0    0    0    0    0    0    0    0    0
2 0 0 0 1 1 0
1 0 0 1 0 0 1
-1
)";

// The top side to move: its king drags the bottom king; a pawn, a knight
// that must promote on the far two rows, a silver leaving the zone and a
// bishop; the knight's mirror jump lifts a bottom silver onto row 2 or 1.
inline constexpr const char* 王の鏡_上手番 = R"(
800   0    0    0    0    0    0    0    0
0     0    0  950    0    0    0    0    0
0     0 -110    0    0    0    0    0    0
0  -100    0    0    0    0    0  -10    0
0     0    0    0    0    0    0    0    0
0    10    0    0    0    0    0   30    0
0     0    0    0    0    0  100    0    0
0     0    0    0    0 -950    0    0    0
0     0    0    0    0    0    0    0  -20
1 0 1 0 0 0 1
3 1 0 0 2 0 0
1
)";

// Both kings in the middle, two squares apart, promoted pieces of every
// kind on the board and much in both hands: the kings may walk into each
// other's reach and take each other.
inline constexpr const char* 王が中央 = R"(
0     0    0    0    0    0    0    0    0
0  -901    0    0    0    0    0    0    0
0     0    0    0    0    0  -11    0    0
0     0    0    0  950    0    0    0    0
0     0    0    0    0    0    0    0    0
0     0    0    0 -950    0    0    0    0
0     0  101    0    0    0    0    0    0
0     0    0    0    0    0    0  801    0
0     0    0    0    0    0    0    0    0
3 1 1 1 1 0 0
2 1 1 1 1 1 1
-1
)";

}  // namespace velmora::testing
