// Moves glide to their squares with their mirror jumps, steps fade, and the
// computer's reply waits for the player's move to arrive; all of it only
// while アニメーション is on, and never changing what is painted.
#include <gtest/gtest.h>

#include "game/game_support.hpp"
#include "input/game_menu.hpp"
#include "view/drawing.hpp"
#include "window/settings.hpp"
#include "window/startup.hpp"

namespace velmora {
namespace {

using testing::指す;

struct AnimationTest : ::testing::Test {
  void SetUp() override { Form_Load(f); }
  FakeWindow w;
  Form1& f = w.f();
  std::vector<RecordingCanvas::Glide>& glides = w.canvas.glides;
  static bool at(const RecordingCanvas::Glide& g, int id, double x1, double y1, double x2, double y2,
                 int under) {
    return g.id == id && g.from_tx == 座標_左(x1) && g.from_ty == 座標_上(y1) && g.to_tx == 座標_左(x2) &&
           g.to_ty == 座標_上(y2) && g.under == under;
  }
};

TEST_F(AnimationTest, AMoveAndItsMirrorJumpGlideTogetherAndACaptureShowsUntilTheMoverArrives) {
  ASSERT_TRUE(f.options.ANIME);
  testing::人間対局開始(w);
  指す(w, {3, 7, 3, 6, -HU, 1});
  ASSERT_EQ(glides.size(), 2u);
  EXPECT_TRUE(at(glides[0], -HU, 3, 7, 3, 6, KARA));
  EXPECT_TRUE(at(glides[1], HU, 7, 3, 7, 4, KARA));  // the top pawn's jump
  EXPECT_EQ(w.canvas.settles, 0);                    // nobody waits between two people
  glides.clear();
  指す(w, {3, 3, 3, 4, HU, 1});
  glides.clear();
  // The bishop takes and promotes: it glides as the horse, over the bishop it takes.
  指す(w, {2, 8, 8, 2, -KAKU_NARI, 1});
  ASSERT_FALSE(glides.empty());
  EXPECT_TRUE(at(glides[0], -KAKU_NARI, 2, 8, 8, 2, KAKU));
  glides.clear();
  // A drop comes from its row of the stand; the international set glides as it is drawn.
  KOKUSAI_Click(f);
  指す(w, {7, 1, 8, 2, GIN, 1});
  glides.clear();
  指す(w, {SITA_DAI, MOTI_KAKU + 2, 5, 5, -KAKU, 1});
  ASSERT_EQ(glides.size(), 1u);
  EXPECT_TRUE(at(glides[0], -KAKU - 国際駒の絵, SITA_DAI, MOTI_KAKU + 2, 5, 5, KARA));
}

TEST_F(AnimationTest, TheComputersReplyWaitsForThePlayersMoveAndStepsFade) {
  SENTE_Click(f);
  指す(w, {7, 7, 7, 6, -HU, 2});
  EXPECT_EQ(w.canvas.settles, 1);
  // The player's move and jump, then the computer's move.
  ASSERT_GE(glides.size(), 3u);
  EXPECT_TRUE(at(glides[0], -HU, 7, 7, 7, 6, KARA));
  REPLAY_Click(f);
  AFTER_Click(f);
  EXPECT_EQ(w.canvas.fades, 2);

  // Off: nothing glides, fades or waits, and the same is painted.
  FakeWindow off;
  Form_Load(off.f());
  ANIME_Click(off.f());
  ASSERT_FALSE(off.f().options.ANIME);
  SENTE_Click(off.f());
  指す(off, {7, 7, 7, 6, -HU, 2});
  REPLAY_Click(off.f());
  EXPECT_TRUE(off.canvas.glides.empty());
  EXPECT_EQ(off.canvas.fades + off.canvas.settles, 0);
}

}  // namespace
}  // namespace velmora
