#pragma once
// The on-screen line of a link between two people. Stand-in until the social screens arrive: the
// line is made and deleted with its link but draws nothing; making one is logged once and
// recorded (SIM_StandInLog).
class SIM_Relationship;

class GUI_Relationship {
 public:
  static GUI_Relationship* Create(SIM_Relationship* link);  // null for a null link
  virtual ~GUI_Relationship() = default;
  SIM_Relationship* GetRelationship() const { return m_link; }

 private:
  explicit GUI_Relationship(SIM_Relationship* link) : m_link(link) {}
  SIM_Relationship* m_link;
};
