// The texts the route code shows.
#pragma once

namespace trevalo::route_detail {

inline constexpr const char* kTooManyPointsMessage =
    "You cannot have more than 500 waypoints\nRemove some before you continue\n";
inline constexpr const char* kUsePreviousVorQuestion = "Would you like to use the previous VOR ";
inline constexpr const char* kTripNoLongerValidMessage =
    "Your previously loaded trip is no longer valid.\nThis could be because the airports for this "
    "trip where not loaded.\nTo check if the airport was loaded, go to the 'Database option' in the "
    "'Extra menu.\nOtherwise check that the file is not corrupted.\n";
inline constexpr const char* kHoldingNotPlacedMessage =
    "You selected to have holding at the airport(s).\nYou did not select where the plane will be "
    "Holding\nPress the 'Details' button next to holding.";
inline constexpr const char* kIlsQuestionFormat =
    "ILS - [%s] was found for landing at [%s]\n\tWould you like to use it.";
inline constexpr const char* kFileNotCreatedQuestion =
    "An internal error occured and a file could not be Created\nPlease ensure that you disk is not "
    "full, write protected\nor that the directory is valid.\nWould you like to quit";
inline constexpr const char* kNavaidNotFoundMessage =
    "Some, (or all), of the Navigation aid could not be found, The previous file you created could "
    "not be loaded.\nPlease ensure that your database is not corrupted,\n"
    "If the problem remains, please send the '.adf' file to the planner's support team."
    "\n\nThis could be because your database was not loaded properly or some navaids that were "
    "available no longer are.";

}  // namespace trevalo::route_detail
