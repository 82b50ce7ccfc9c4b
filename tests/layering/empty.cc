// The body of the layer-check libraries: each links one layer whole with
// the layers below it, so that any symbol it needs from a layer above is
// left undefined and the link fails.
