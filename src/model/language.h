// The interface language, shared by every part that writes a text.
#pragma once

namespace ws {

enum class Language { English, German };

}  // namespace ws
