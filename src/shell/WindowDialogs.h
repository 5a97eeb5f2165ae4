// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's dialogs (About, Preferences, Materials, Convert, Paper prototype) and the
// glue between them and the window: each is made once and lives as long as the program; what
// a dialog changes is carried into the design controls and panels when it closes.

namespace zindle {

class AboutDialog;
class ConvertDialog;
class MainWindow;
class MaterialsDialog;
class PaperPrototypeDialog;
class PreferencesDialog;

class WindowDialogs {
public:
    explicit WindowDialogs(MainWindow &window);

    AboutDialog *about() const { return about_; }
    PreferencesDialog *preferences() const { return preferences_; }
    MaterialsDialog *materials() const { return materials_; }
    ConvertDialog *convert() const { return convert_; }
    PaperPrototypeDialog *paperPrototype() const { return paperPrototype_; }

    void ShowAbout();
    void DefineMaterials();
    void ShowPreferences();
    void ChooseBackgroundColor();
    void ConvertFile();

private:
    MainWindow &window_;
    AboutDialog *about_ = nullptr;
    PaperPrototypeDialog *paperPrototype_ = nullptr;
    PreferencesDialog *preferences_ = nullptr;
    MaterialsDialog *materials_ = nullptr;
    ConvertDialog *convert_ = nullptr;
};

} // namespace zindle
