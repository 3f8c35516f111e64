#pragma once
// A pet's own window, opened by a click on its possession icon: picture, description, the meals
// left, the days it has gone hungry, the dog's burglar count, the cat's or dog's mood and the
// pet's effects. The cat and the dog can be renamed from here (GUI_PetNameDialog).
#include <string>

#include "BaseSprite.h"
#include "GUI_Dialog.h"

class GUI_AssetEffects;
class GUI_ButtonText;
class SIM_PetBase;

class GUI_PetDetails : public GUI_Dialog {
 public:
  static void Create(SIM_PetBase* pet, const std::string& detailsKey);
  static void Close();
  static void Rename(int);  // the rename button

  GUI_PetDetails(SIM_PetBase* pet, const std::string& detailsKey);
  ~GUI_PetDetails() override;

  void Draw() override;

  SIM_PetBase* GetPet() const { return m_pet; }
  GUI_ButtonText* GetRenameButton() const { return m_renameButton; }
  // What the window shows, as a player reads it: the rows "label number" in order, and the mood
  // line ("" for a pet without moods).
  std::string GetRowsText() const;
  std::string GetMoodLine() const;
  // False, with one warning naming the pet's table row, when the row names no picture.
  bool HasPicture() const;

  static GUI_PetDetails* PTheWindow;

 private:
  SIM_PetBase* m_pet;
  GUI_ButtonText* m_renameButton = nullptr;  // in the button list
  GUI_AssetEffects* m_effects = nullptr;     // a child window
  BaseSprite m_picture;
  std::string m_detailsText;
  std::string m_daysLeftLabel;
  std::string m_hungryLabel;
  std::string m_burglarsLabel;
};
