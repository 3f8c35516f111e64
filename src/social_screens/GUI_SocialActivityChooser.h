#pragma once
// The social-activity chooser. Stand-in until the social screens arrive: the control panel's
// social button toggles the evening stand-in window (a quiet evening at home); scrolling to an
// event type is logged and remembered, and a dragged person dropped on it is refused.
#include <string>

class GUI_DragIcon;
class SIM_NPC;
class SIM_SocialiseType;

class GUI_SocialActivityChooser {
 public:
  // Opens the chooser after closing the other left-hand windows, or closes it when it is open.
  static void Create();
  static void Close();
  static bool IsOpen();
  static void ScrollToActivity(const char* name);
  static const std::string& GetLastScrolledTo() { return LastScrolledTo; }
  // The wheel scrolls the open chooser's list; the stand-in has none.
  static void MouseWheelUp() {}
  static void MouseWheelDown() {}
  // A person dropped on the open chooser joins its guests; the stand-in invites nobody.
  static void CheckDropIcon(GUI_DragIcon* icon);
  // The event type picked in the open chooser (null with none) and whether the person is already
  // on its guest list; the stand-in has no list, so nothing is picked and nobody is invited.
  static SIM_SocialiseType* GetSelectedType();
  static bool NPCAlreadyInvited(const SIM_NPC* npc);

 private:
  static std::string LastScrolledTo;
};
