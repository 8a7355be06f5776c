#include "host/flight.h"

Flight::Flight(Platform& platform, const Settings& settings, const ViewAspect& aspect,
               const Resources& resources, DebugLog& log)
    : render{resources, log, gl}, music(platform, resources, log) {
  objectContext.settings = &settings;
  objectContext.aspect = &aspect;
  objectContext.random = &random;
  objectContext.camera = &director.view;
  objectContext.render = &render;
  directorContext.settings = &settings;
  directorContext.worlds = &worlds;
  directorContext.dynamicObjects = &dynamicObjects;
  directorContext.random = &random;
  directorContext.resources = &resources;
  directorContext.log = &log;
  directorContext.fog = &fog;
}
