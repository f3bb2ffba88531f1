// Message boxes, behind an interface so that tests answer them without a person.
#pragma once

#include <string>

namespace quiltra {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Question, Warning };
enum class MessageResult { Ok, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageResult show(const std::string& text, const std::string& title,
                               MessageButtons buttons = MessageButtons::Ok,
                               MessageIcon icon = MessageIcon::None) = 0;
};

} // namespace quiltra
