#include "host/flight.h"

#include "host/screensaver_app.h"

Flight::Flight(ScreensaverApp& app) : music(app.platform) {
  objectContext.settings = &app.settings;
  objectContext.aspect = &app.aspect;
  objectContext.random = &random;
  objectContext.director = &director;
  directorContext.settings = &app.settings;
  directorContext.worlds = &worlds;
  directorContext.dynamicObjects = &dynamicObjects;
  directorContext.random = &random;
  directorContext.messages = &app.messages;
  directorContext.fog = &fog;
}
