#pragma once
// One reel of the fruit machine: a fixed strip of twelve fruit blocks that turns while spinning
// and, once told to stop, halts on the first block of its target fruit to come round. Blocks cut
// by the reel's window are cut from the picture (not squeezed) and darken towards the edge.
#include <array>

#include "CTexturedSprite.h"
#include "GUI_WindowBase.h"

class GUI_GamblingWheel : public GUI_WindowBase {
 public:
  enum FRUIT { FRUIT_CHERRY = 0, FRUIT_LEMON = 1, FRUIT_BELL = 2, FRUIT_SEVEN = 3 };
  static constexpr int kBlocks = 12;
  static constexpr float BLOCKHEIGHT = 64.0f;

  explicit GUI_GamblingWheel(int index);  // 0, 1 or 2: which strip

  void Draw() override;
  // One frame's turn (Draw does it before drawing): by the frame's render throttle, stopping on
  // the target once told to.
  void Turn();

  void SetTargetFruit(FRUIT fruit) { m_target = fruit; }
  FRUIT GetTargetFruit() const { return m_target; }
  void SetStopNextSpin(bool stop) { m_stopNextPass = stop; }
  void StartSpinning() { m_spinning = true; }
  bool IsSpinning() const { return m_spinning; }
  void CheckForStop();
  void DrawBlock(int i);

  float GetPosition() const { return m_position; }
  // The fruit standing at the reel's centre line.
  FRUIT GetCentreFruit() const;
  FRUIT GetStripFruit(int i) const { return m_strip[(size_t)((i % kBlocks + kBlocks) % kBlocks)]; }

 private:
  FRUIT m_target = FRUIT_CHERRY;
  bool m_stopNextPass = false;
  bool m_spinning = false;
  std::array<FRUIT, kBlocks> m_strip{};
  float m_position = 11.0f;
  CTexturedSprite m_block;
  float m_speedFactor = 1.0f;
};
