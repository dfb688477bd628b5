// The about and help window: version line, three "How do I " answers and the
// homepage button. Each opening loads it afresh.
#pragma once

#include <array>
#include <string>

#include "platform/model.h"
#include "platform/services.h"

namespace corvane {

extern const WindowDesc kForm2;

// The program's own homepage and the credit line's name.
inline constexpr const wchar_t* kHomepage = L"https://corvane.example/";

class Form2 {
public:
    explicit Form2(Services& services);
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    Services& services;
    Window window;
    bool loaded = true;  // until unloaded by "&Return" or the close button

    std::array<std::wstring, 3> HelpTopics;
    std::array<std::wstring, 3> HelpTexts;

    ComboBox& Combo1;
    CommandButton& Command1;
    CommandButton& Command2;
    Label& Label2;
    Label& Label5;
    Image& Image1;

    void Form_Load();
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click();
    void OpenWebsite(const std::wstring& strWebsite);

private:
    void LoadHelpTopics();
    void LoadHelpTexts();
};

// Loads the help window afresh and shows it modally over `owner`, which
// takes no input until it is unloaded.
void showHelp(Services& services, Window& owner);

}  // namespace corvane
