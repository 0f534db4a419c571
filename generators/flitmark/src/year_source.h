// The year that CreateFlt writes, from the local clock or a source set for tests.
#pragma once

namespace flitmark {

int CurrentYear();

}  // namespace flitmark
