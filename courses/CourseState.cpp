#include "courses/CourseState.h"

namespace courses {

CourseState state;

}  // namespace courses
